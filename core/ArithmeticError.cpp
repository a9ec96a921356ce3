#include "ArithmeticError.h"

namespace pellucors {

namespace {
const char* Describe(ArithmeticError::Kind kind) {
    switch (kind) {
    case ArithmeticError::Kind::Overflow:
        return "arithmetic overflow";
    case ArithmeticError::Kind::DivisionByZero:
        return "division by zero";
    case ArithmeticError::Kind::Invalid:
        return "invalid arithmetic operation";
    }
    return "arithmetic error";
}
} // namespace

ArithmeticError::ArithmeticError(Kind kind) : std::runtime_error(Describe(kind)), m_kind(kind) {}

} // namespace pellucors
