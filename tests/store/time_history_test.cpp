#include "store/time_history.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "tests/store/history_properties.h"

namespace velinor {
namespace {

TimeHistory History(std::string_view text) {
    TimeHistory history;
    SetHistoryText(history, text);
    return history;
}

std::string Repeat(std::string_view entry, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += entry;
    return text;
}

TEST(AddTime, CountsOneTimeIntoItsBin) {
    const std::string bin59 = "0;1;" + Repeat("0;", 59);
    const std::string full = "0;1;" + Repeat("123456789;", 49);  // 494 characters
    // Text before, time in ms, difficulty, text after.
    const std::tuple<std::string, int32_t, int32_t, std::string> cases[] = {
        {"", 4900, 0, "0;1;0;0;0;0;1;"},
        {"", 100000, 2, "0;9;" + Repeat("0;", 11) + "1;"},
        {"reset", 7000, 1, "0;3;0;0;1;"},
        {"0;3;2;", 2000, 1, "0;3;3;"},
        {"0;9;1;", 20000, 0, "0;9;1;0;1;"},  // the stored width wins over the difficulty
        {bin59 + "1;", 600000, 0, bin59 + "2;"},
        {"5;3;0;0;0;", 5000, 1, "5;3;1;"},  // trailing zero counts are dropped, the offset kept
        // Bins 49 and 50 still fit; bin 51 would reach 500 bytes, so bin 55's count is lost.
        {full, 55000, 0, full + "0;0;"},
        // Hand-edited texts: an offset above the time counts in bin 0, a full count stays full.
        {"100;1;", 5000, 0, "100;1;1;"},
        {"0;2147483647;", INT_MAX, 0, "0;2147483647;1;"},
        {"0;1;-1;", 0, 0, "0;1;0;"},
        {"0;0;9;", 3000, 0, "0;1;0;0;0;1;"},
        {"", INT_MIN, 0, "0;1;1;"},
    };
    for (const auto& [before, timeMs, difficulty, after] : cases) {
        TimeHistory history = History(before);
        AddTime(history, timeMs, difficulty);
        EXPECT_EQ(std::string(history.data(), HistoryLength(history)), after)
            << "\"" << before << "\" + " << timeMs;
    }
}

TEST(ParseHistory, ReadsWithinTheTextAndTheSixtyCounts) {
    // Text, difficulty, offset, width, the first counts (the rest are 0), largest count.
    const std::tuple<std::string, int32_t, int32_t, int32_t, std::vector<int32_t>, int32_t>
        cases[] = {
            {"3;9;2;0;7;1;", 0, 3, 9, {2, 0, 7, 1}, 7},
            // No header: offset 0, the difficulty's width, no counts.
            {"", 0, 0, 1, {}, 0},
            {"reset", 1, 0, 3, {}, 0},
            {"0;0;5;", 1, 0, 3, {}, 0},
            {"99999999999;-99999999999;", 0, 0, 1, {}, 0},
            // Texts only a hand-edited store can hold.
            {" 1; +2;\t3;", 0, 1, 2, {3}, 3},
            {"0;1;-4;2;", 0, 0, 1, {-4, 2}, 2},
            {"0;1;5", 0, 0, 1, {}, 0},  // one character left: not read
            {"0;1;12", 0, 0, 1, {12}, 12},
            {"0;1;4x;;6;", 0, 0, 1, {4, 0, 6}, 6},
            {"-99999999999;1;99999999999;", 0, INT_MIN, 1, {INT_MAX}, INT_MAX},
            {"0;1;" + Repeat("1;", 70), 0, 0, 1, std::vector<int32_t>(60, 1), 1},
        };
    for (const auto& [text, difficulty, offset, width, first, largest] : cases) {
        HistoryBins bins = ParseHistory(History(text), difficulty);
        std::array<int32_t, HistoryBinCount> counts{};
        std::copy(first.begin(), first.end(), counts.begin());
        EXPECT_EQ(std::tie(bins.offset, bins.width, bins.counts, bins.largestCount),
                  std::tie(offset, width, counts, largest))
            << text;
    }
}

// Replays the inputs the fuzz target kept, some of them filling the buffer without a terminator.
TEST(HistoryCorpus, EveryKeptInputKeepsTheProperties) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELINOR_HISTORY_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(test::CheckHistoryInput(bytes.data(), bytes.size()), "") << entry.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 10);
}

}  // namespace
}  // namespace velinor
