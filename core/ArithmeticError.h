#pragma once

#include <stdexcept>

namespace pellucors {

// A survey computation overflowed, divided by zero or was invalid. Thrown only
// from core; each window catches it in one place and abandons the operation.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, Invalid };

    explicit ArithmeticError(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace pellucors
