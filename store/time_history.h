// The histogram of a player's game times, kept as short 8-bit text so it fits one registry value:
// "O;W;c0;c1;...;cK;" with the offset O and bin width W in seconds and the counts of bins 0 to K.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velinor {

constexpr int HistoryTextLimit = 500;
constexpr int HistoryBinCount = 60;

// Zero-terminated within its 500 bytes as the program writes it; readers stay inside the
// buffer even when a hand-edited store left no terminator.
using TimeHistory = std::array<char, HistoryTextLimit>;

struct HistoryBins {
    int32_t offset = 0;
    int32_t width = 1;
    std::array<int32_t, HistoryBinCount> counts{};
    int32_t largestCount = 0;
};

// The text's length, at most the whole buffer.
size_t HistoryLength(const TimeHistory& history);

// Replaces the text; anything beyond 499 characters is left out.
void SetHistoryText(TimeHistory& history, std::string_view text);

// The bin width a new histogram gets at this difficulty.
int32_t HistoryWidthFor(int32_t difficulty);

// A text that does not begin with two numbers each followed by a semicolon, or whose width is
// not positive, holds no histogram: offset 0, the difficulty's width, no counts.
HistoryBins ParseHistory(const TimeHistory& history, int32_t difficulty);

// Counts one game time into the text; difficulty only matters when a new histogram starts.
void AddTime(TimeHistory& history, int32_t timeMs, int32_t difficulty);

}  // namespace velinor
