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
        {{"--bogus"}, CommandLine::Usage, 2},
        {{"game"}, CommandLine::Usage, 2},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const CommandLine line = ParseCommandLine(cases[i].arguments);
        EXPECT_EQ(line.action, cases[i].action) << "case " << i;
        EXPECT_EQ(line.action == CommandLine::Usage, !line.error.empty()) << "case " << i;
        if (line.action != CommandLine::Usage) {
            EXPECT_EQ(line.scale, cases[i].scale) << "case " << i;
        }
    }
}

}  // namespace
}  // namespace velinor
