#pragma once
// The options a program answers by itself, before the toolkit starts (so they need no
// display): --version, and --help where the program has a help text of its own.

#include <optional>
#include <string>
#include <string_view>

namespace strs {

// The project's version, as packages and "--version" show it.
std::string_view ProgramVersion();

// The text to print and exit with, when the arguments ask for "--version" or (if `help`
// is not empty) "--help"; nothing when the program should start as usual and leave
// every argument to the toolkit.
std::optional<std::string> InformationRequested(int argc, const char* const* argv, std::string_view program,
                                                std::string_view help = {});

}  // namespace strs
