// The velinor program's options.
#include <gtest/gtest.h>

#include <vector>

#include "app/command_line.h"

namespace velinor {
namespace {

TEST(CommandLine, ReadsTheOptionsAndRefusesAnythingElse) {
    struct Case {
        std::vector<const char*> arguments;
        CommandLine::Action action;
        int scale;
    };
    const Case cases[] = {
        {{}, CommandLine::Play, 2},
        {{"--scale", "3"}, CommandLine::Play, 3},
        {{"--scale=1"}, CommandLine::Play, 1},
        {{"--scale", "8"}, CommandLine::Play, 8},
        {{"--scale", "2", "--scale", "5"}, CommandLine::Play, 5},
        {{"--help"}, CommandLine::Help, 2},
        {{"-h"}, CommandLine::Help, 2},
        {{"--scale", "3", "--version"}, CommandLine::Version, 3},
        {{"--version", "--bogus"}, CommandLine::Version, 2},
        {{"--scale"}, CommandLine::Usage, 2},
        {{"--scale", "0"}, CommandLine::Usage, 2},
        {{"--scale", "9"}, CommandLine::Usage, 2},
        {{"--scale", "2x"}, CommandLine::Usage, 2},
        {{"--scale="}, CommandLine::Usage, 2},
        {{"--scale", "-1"}, CommandLine::Usage, 2},
        {{"--bogus"}, CommandLine::Usage, 2},
        {{"game"}, CommandLine::Usage, 2},
        {{"-"}, CommandLine::Usage, 2},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        std::string shown;
        for (const char* a : c.arguments)
            shown += std::string(a) + " ";
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.action == CommandLine::Usage, !line.error.empty()) << shown;
        if (line.action != CommandLine::Usage) {
            EXPECT_EQ(line.scale, c.scale) << shown;
        }
    }
}

}  // namespace
}  // namespace velinor
