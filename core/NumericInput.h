#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pellucors {

// The user's regional number separators, as UTF-8 text (a group separator may
// be a no-break space).
struct RegionalSeparators {
    std::string decimal = ".";
    std::string group = ",";
};

// Checks and reads a typed number in one step, so the value used is exactly
// the number the check accepted. Accepted, with blanks around it ignored: an
// optional sign; digits, where group separators may stand between groups of
// three ("1,000", not "1,5"); an optional decimal separator with digits; an
// optional exponent (E or e, optional sign, digits). Anything else - empty
// text, trailing characters, hexadecimal, NaN, a value beyond double range -
// gives no value. A value too small for a double reads as zero.
std::optional<double> ReadRegionalNumber(std::string_view text,
                                         const RegionalSeparators& separators);

// Whether ReadRegionalNumber accepts `text`.
bool IsNumericText(std::string_view text, const RegionalSeparators& separators);

} // namespace pellucors
