#include "core/information_option.h"

namespace strs {

std::string_view ProgramVersion() {
    return STRS_VERSION;  // the project's version, set by the build
}

std::optional<std::string> InformationRequested(int argc, const char* const* argv, std::string_view program,
                                                std::string_view help) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version")
            return std::string(program) + ' ' + std::string(ProgramVersion()) + '\n';
        if (argument == "--help" && !help.empty())
            return std::string(help);
    }
    return std::nullopt;
}

}  // namespace strs
