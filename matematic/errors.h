#pragma once
// Arithmetic errors, as the x87 unit reports them. The numerical routines throw them;
// the shell's one guard shows them in the error box. Messages are UTF-8.

#include "core/errors.h"

namespace strs {

// Arithmetic faults, as the x87 unit reports them.
class ArithmeticError : public Error {
public:
    using Error::Error;
};

// Square root or logarithm of a negative number, 0/0, inf - inf.
class InvalidOperation : public ArithmeticError {
public:
    InvalidOperation() : ArithmeticError("Invalid floating point operation") {}
};

// x / 0 with x != 0, and ln 0.
class DivisionByZero : public ArithmeticError {
public:
    DivisionByZero() : ArithmeticError("Floating point division by zero") {}
};

// A value beyond the double range.
class FloatingOverflow : public ArithmeticError {
public:
    FloatingOverflow() : ArithmeticError("Floating point overflow") {}
};

}  // namespace strs
