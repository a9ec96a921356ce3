#pragma once

#include "GpsEntry.h"

#include <string>
#include <string_view>

namespace pellucors {

// The heading row of the GPS Data list and the printout (43 characters).
std::string TitleRow();

// One fixed-width list row: the six fields in record order, each column
// padded to its width. Texts are never cut; a text wider than its column is
// followed by a minimum gap so that two columns never run together.
std::string FormatListRow(const GpsEntry& entry, std::string_view decimalSeparator);

} // namespace pellucors
