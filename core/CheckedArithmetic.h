#pragma once

#include <cstdint>

namespace pellucors {

// The arithmetic checks of the survey computations: the work runs in double
// precision and every value that is stored as a single or a 16-bit count
// passes through one of these. Each throws ArithmeticError instead of
// returning an infinite, NaN or wrapped value. Underflow is not an error.

// Narrows to single precision; a value too large for a single overflows.
float NarrowToSingle(double value);

// numerator / denominator; zero denominators fail (0 / 0 as invalid).
double CheckedQuotient(double numerator, double denominator);

// A whole number to a 16-bit count; outside -32768..32767 overflows.
std::int16_t NarrowToCount(double wholeValue);

// Whether `value`, once narrowed to single precision, is above `bound`: the
// input checks judge the number the computation will really use (a value
// that overflows a single keeps its sign, one that underflows becomes 0).
bool ExceedsAsSingle(double value, float bound);

} // namespace pellucors
