// The options of the velinor program.
#pragma once

#include <span>
#include <string>

namespace velinor {

constexpr int DefaultScale = 2;
constexpr int LargestScale = 8;

struct CommandLine {
    enum Action { Play, Help, Version, Usage };
    Action action = Play;
    int scale = DefaultScale;
    std::string error;  // why the options were refused, for Usage
};

// The arguments after the program's name.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

extern const char* const UsageText;

}  // namespace velinor
