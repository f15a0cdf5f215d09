#include "app/command_line.h"

#include <charconv>
#include <string_view>
#include <utility>

namespace velinor {

const char* const UsageText =
    "Usage: velinor [--scale N]\n"
    "Plays Velinor, a link-the-pairs puzzle, in a window.\n"
    "\n"
    "  --scale N   show the 240 x 320 screen N times larger (1 to 8; default 2)\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n";

namespace {

bool ParseScale(std::string_view text, int& scale) {
    int value = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size()) return false;
    if (value < 1 || value > LargestScale) return false;
    scale = value;
    return true;
}

CommandLine Refuse(std::string why) {
    CommandLine line;
    line.action = CommandLine::Usage;
    line.error = std::move(why);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Help;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Version;
            return line;
        }
        std::string_view value;
        if (argument == "--scale") {
            if (i + 1 == arguments.size()) return Refuse("--scale needs a number");
            value = arguments[++i];
        } else if (argument.starts_with("--scale=")) {
            value = argument.substr(8);
        } else {
            return Refuse("unknown option '" + std::string(argument) + "'");
        }
        if (!ParseScale(value, line.scale))
            return Refuse("--scale takes a whole number from 1 to 8, not '" + std::string(value) +
                          "'");
    }
    return line;
}

}  // namespace velinor
