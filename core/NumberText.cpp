#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pellucors {

double RoundToCents(double value) {
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    const double scaled = value * 100.0;
    if (!std::isfinite(scaled))
        return value;
    return std::nearbyint(scaled) / 100.0;
}

namespace {
template <typename Number>
std::string GeneralForm(Number value, int significantDigits, std::string_view decimalSeparator) {
    if (value == 0)
        return "0"; // also for -0
    // As long as the longest text: a double's 15 digits, its sign, point and
    // exponent.
    std::array<char, sizeof("-1.23456789012345e-308")> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significantDigits);
    std::string text;
    for (const char* c = buffer.data(); c != result.ptr; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else if (*c == 'e')
            text += 'E';
        else
            text += *c;
    }
    return text;
}
} // namespace

std::string SingleToText(float value, std::string_view decimalSeparator) {
    return GeneralForm(value, 7, decimalSeparator);
}

std::string DoubleToText(double value, std::string_view decimalSeparator) {
    return GeneralForm(value, 15, decimalSeparator);
}

std::string CountToText(std::int16_t count) {
    return std::to_string(count);
}

} // namespace pellucors
