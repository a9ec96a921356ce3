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

// Where the designation ends in a row of FormatListRow: the byte offset of the
// blanks after it. The five columns after it never hold a blank, so a
// designation with blanks of its own is found whole.
std::size_t DesignationEnd(std::string_view row);

// The designation as logged: what was typed (UTF-8), with each character
// that would break the fixed-width row on screen and on paper - control
// characters such as a pasted tab or line break, line and paragraph
// separators, and the marks that reorder text - shown as a blank.
std::string LoggedDesignation(std::string_view typed);

// Whether UTF-8 `text` holds a letter or digit of a right-to-left script
// (Hebrew, Arabic, Syriac, Thaana...) or a right-to-left control character. A
// row with one is laid out with its designation apart: otherwise the bidi
// rules of the whole row would carry the columns next to it into its order.
bool HasRightToLeftText(std::string_view text);

} // namespace pellucors
