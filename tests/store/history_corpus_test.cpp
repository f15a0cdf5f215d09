// Replays the inputs the fuzz target found interesting.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/store/history_properties.h"

namespace velinor {
namespace {

TEST(HistoryCorpus, EveryKeptInputKeepsTheProperties) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELINOR_HISTORY_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
        EXPECT_EQ(test::CheckHistoryInput(bytes.data(), bytes.size()), "")
            << entry.path().filename();
        ++inputs;
    }
    EXPECT_GE(inputs, 10);
}

}  // namespace
}  // namespace velinor
