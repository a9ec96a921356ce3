#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pellucors {

// Rounds to 2 decimal places; exact halves go to the even neighbour
// (0.125 -> 0.12, 0.375 -> 0.38).
double RoundToCents(double value);

// The general text form of a number: at most 7 significant digits for a
// single, 15 for a double, no group separators, no trailing zeros, exponent
// form such as 1.234568E+07 for large or tiny values. `decimalSeparator` is
// the user's regional one (core itself knows no locale).
std::string SingleToText(float value, std::string_view decimalSeparator);
std::string DoubleToText(double value, std::string_view decimalSeparator);
std::string CountToText(std::int16_t count);

} // namespace pellucors
