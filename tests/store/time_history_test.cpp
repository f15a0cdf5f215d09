#include "store/time_history.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace velinor {
namespace {

TimeHistory History(std::string_view text) {
    TimeHistory history;
    SetHistoryText(history, text);
    return history;
}

std::string Text(const TimeHistory& history) {
    return {history.data(), HistoryLength(history)};
}

std::string Repeat(std::string_view entry, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += entry;
    return text;
}

TEST(AddTime, CountsOneTimeIntoItsBin) {
    struct Case {
        std::string before;
        int32_t timeMs;
        int32_t difficulty;
        std::string after;
    };
    const Case cases[] = {
        {"", 4900, 0, "0;1;0;0;0;0;1;"},
        {"", 42700, 0, "0;1;" + Repeat("0;", 42) + "1;"},
        {"", 100000, 2, "0;9;" + Repeat("0;", 11) + "1;"},
        {"reset", 7000, 1, "0;3;0;0;1;"},
        {"0;3;2;", 2000, 1, "0;3;3;"},
        // The width of an existing history wins over the difficulty.
        {"0;9;1;", 20000, 0, "0;9;1;0;1;"},
        // Times from bin 59 on all land in bin 59.
        {"", 75000, 0, "0;1;" + Repeat("0;", 59) + "1;"},
        {"0;1;" + Repeat("0;", 59) + "1;", 600000, 0, "0;1;" + Repeat("0;", 59) + "2;"},
        {"", 999, 0, "0;1;1;"},
        // Zero counts at the end are not written; the offset is kept.
        {"5;3;0;0;0;", 5000, 1, "5;3;1;"},
    };
    for (const Case& c : cases) {
        TimeHistory history = History(c.before);
        AddTime(history, c.timeMs, c.difficulty);
        EXPECT_EQ(Text(history), c.after) << "\"" << c.before << "\" + " << c.timeMs;
    }
}

TEST(AddTime, StopsWritingBeforeTheTextLimit) {
    // 49 entries of 10 characters after the 4-character header: 494 characters.
    const std::string full = "0;1;" + Repeat("123456789;", 49);
    TimeHistory history = History(full);
    AddTime(history, 55000, 0);
    // Bins 49 and 50 still fit as "0;"; bin 51 would reach 500, so the count of bin 55 is lost.
    EXPECT_EQ(Text(history), full + "0;0;");
    EXPECT_EQ(HistoryLength(history), 498u);
}

TEST(ParseHistory, ReadsOffsetWidthCountsAndTheLargestCount) {
    HistoryBins bins = ParseHistory(History("3;9;2;0;7;1;"), 0);
    EXPECT_EQ(bins.offset, 3);
    EXPECT_EQ(bins.width, 9);
    EXPECT_EQ(bins.largestCount, 7);
    std::array<int32_t, HistoryBinCount> counts{2, 0, 7, 1};
    EXPECT_EQ(bins.counts, counts);
}

TEST(ParseHistory, TextsWithoutAHeaderGiveTheDifficultysWidthAndNoCounts) {
    struct Case {
        const char* text;
        int32_t difficulty;
        int32_t width;
    };
    const Case cases[] = {
        {"", 0, 1},
        {"reset", 1, 3},
        {"0;", 2, 9},
        {"0;3", 0, 1},
        {"0 ;3;1;", 0, 1},
        {";;", 7, 1},
        {"x0;3;1;", -1, 1},
        // Widths that cannot divide: only a hand-edited store holds them.
        {"0;0;5;", 1, 3},
        {"0;-3;5;", 2, 9},
        {"99999999999;-99999999999;", 0, 1},
    };
    for (const Case& c : cases) {
        HistoryBins bins = ParseHistory(History(c.text), c.difficulty);
        EXPECT_EQ(bins.offset, 0) << c.text;
        EXPECT_EQ(bins.width, c.width) << c.text;
        EXPECT_EQ(bins.counts, (std::array<int32_t, HistoryBinCount>{})) << c.text;
        EXPECT_EQ(bins.largestCount, 0) << c.text;
    }
}

// Texts only a hand-edited store can hold.
TEST(ParseHistory, OddTextsAreReadWithinTheTextAndTheSixtyCounts) {
    struct Case {
        std::string text;
        int32_t offset;
        int32_t width;
        std::vector<int32_t> counts;  // the rest are 0
        int32_t largest;
    };
    const Case cases[] = {
        {" 1; +2;\t3;", 1, 2, {3}, 3},
        {"0;1;-4;2;", 0, 1, {-4, 2}, 2},
        {"0;1;5", 0, 1, {}, 0},  // one character left: not read
        {"0;1;12", 0, 1, {12}, 12},
        {"0;1;x;3;", 0, 1, {0, 3}, 3},
        {"0;1;4x;3;", 0, 1, {4, 3}, 4},
        {"0;1;;;6;", 0, 1, {0, 0, 6}, 6},
        {"-99999999999;1;99999999999;", INT_MIN, 1, {INT_MAX}, INT_MAX},
        {"0;1;" + Repeat("1;", 70), 0, 1, std::vector<int32_t>(60, 1), 1},
    };
    for (const Case& c : cases) {
        HistoryBins bins = ParseHistory(History(c.text), 0);
        std::array<int32_t, HistoryBinCount> counts{};
        std::copy(c.counts.begin(), c.counts.end(), counts.begin());
        EXPECT_EQ(bins.offset, c.offset) << c.text;
        EXPECT_EQ(bins.width, c.width) << c.text;
        EXPECT_EQ(bins.counts, counts) << c.text;
        EXPECT_EQ(bins.largestCount, c.largest) << c.text;
    }
}

TEST(AddTime, OddHistoriesStayInRange) {
    struct Case {
        std::string before;
        int32_t timeMs;
        std::string after;
    };
    const Case cases[] = {
        // An offset above the time counts the game in bin 0.
        {"100;1;", 5000, "100;1;1;"},
        {"-2147483648;1;", INT_MAX, "-2147483648;1;" + Repeat("0;", 59) + "1;"},
        {"0;2147483647;", INT_MAX, "0;2147483647;1;"},
        // A full count stays full rather than overflowing.
        {"0;1;2147483647;", 0, "0;1;2147483647;"},
        {"0;1;-1;", 0, "0;1;0;"},
        {"0;0;9;", 3000, "0;1;0;0;0;1;"},
        {"", -5000, "0;1;1;"},
        {"", INT_MIN, "0;1;1;"},
    };
    for (const Case& c : cases) {
        TimeHistory history = History(c.before);
        AddTime(history, c.timeMs, 0);
        EXPECT_EQ(Text(history), c.after) << "\"" << c.before << "\" + " << c.timeMs;
    }
}

TEST(AddTime, AHistoryWithoutTerminatorIsReadWithinItsBuffer) {
    TimeHistory history;
    std::string text = "0;1;" + Repeat("7;", 248);  // exactly 500 characters, no terminator
    std::copy(text.begin(), text.end(), history.begin());
    std::array<int32_t, HistoryBinCount> sevens;
    sevens.fill(7);
    EXPECT_EQ(ParseHistory(history, 0).counts, sevens);
    AddTime(history, 0, 0);
    EXPECT_EQ(Text(history), "0;1;8;" + Repeat("7;", 59));
}

}  // namespace
}  // namespace velinor
