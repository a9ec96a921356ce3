#include "CheckedArithmetic.h"

#include "ArithmeticError.h"

#include <cmath>
#include <limits>

namespace pellucors {

namespace {
// Halfway between FLT_MAX and the next power of two: from here on a double
// rounds to infinity when narrowed (FLT_MAX has an odd mantissa, so the tie
// goes up as well).
constexpr double kSingleOverflowBound = 0x1.ffffffp+127;

void RequireFinite(double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticError::Kind::Invalid);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
}
} // namespace

float NarrowToSingle(double value) {
    RequireFinite(value);
    if (std::fabs(value) >= kSingleOverflowBound)
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return static_cast<float>(value);
}

double CheckedQuotient(double numerator, double denominator) {
    RequireFinite(numerator);
    RequireFinite(denominator);
    if (denominator == 0.0) {
        throw ArithmeticError(numerator == 0.0 ? ArithmeticError::Kind::Invalid
                                               : ArithmeticError::Kind::DivisionByZero);
    }
    const double quotient = numerator / denominator;
    RequireFinite(quotient);
    return quotient;
}

std::int16_t NarrowToCount(double wholeValue) {
    RequireFinite(wholeValue);
    if (wholeValue < std::numeric_limits<std::int16_t>::min() ||
        wholeValue > std::numeric_limits<std::int16_t>::max())
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return static_cast<std::int16_t>(wholeValue);
}

bool ExceedsAsSingle(double value, float bound) {
    if (!(value > bound))
        return false;
    return value >= kSingleOverflowBound || static_cast<float>(value) > bound;
}

} // namespace pellucors
