#pragma once
// The system's errors that are not arithmetic: a text that is not a number, a file that
// cannot be written. The shell's one guard shows every strs::Error in the error box.
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

// A picture file that cannot be created or written.
class FileCreateError : public Error {
public:
    // fullName: the name the user asked for; reason: the system's error text.
    FileCreateError(const std::string& fullName, const std::string& reason)
        : Error("Cannot create file \"" + fullName + "\". " + reason) {}
};

}  // namespace strs
