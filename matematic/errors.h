#pragma once
// The system's errors. Numerical routines, the text-to-number conversion and the
// picture writer throw them; the shell's one guard shows them in the error box.
// Messages are UTF-8.

#include <stdexcept>
#include <string>

namespace strs {

// Base of every error the error box shows.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field text that is not a number.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& text)
        : Error("'" + text + "' is not a valid floating point value") {}
};

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

// A picture file that cannot be created or written.
class FileCreateError : public Error {
public:
    // fullName: the name the user asked for; reason: the system's error text.
    FileCreateError(const std::string& fullName, const std::string& reason)
        : Error("Cannot create file \"" + fullName + "\". " + reason) {}
};

}  // namespace strs
