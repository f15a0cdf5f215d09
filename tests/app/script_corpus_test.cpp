// Replays the scripts the fuzz target kept: each ends cleanly on a fresh program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/app/script_properties.h"

namespace velinor::test {
namespace {

TEST(ScriptCorpus, EveryKeptScriptEndsCleanly) {
    int scripts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELINOR_SCRIPT_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(CheckScriptInput(bytes.data(), bytes.size()), "") << entry.path();
        ++scripts;
    }
    EXPECT_GE(scripts, 20);
}

}  // namespace
}  // namespace velinor::test
