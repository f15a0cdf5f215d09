#include "store/time_history.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace velinor {

namespace {

constexpr int64_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

std::string_view HistoryView(const TimeHistory& history) {
    return {history.data(), HistoryLength(history)};
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one number at pos as "%d" does: white space, an optional sign, at least one digit.
// A number beyond 32 bits saturates rather than overflowing. On failure nothing changes.
bool ScanNumber(std::string_view text, size_t& pos, int32_t& value) {
    size_t p = pos;
    while (p < text.size() && IsSpace(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    size_t firstDigit = p;
    int64_t magnitude = 0;
    for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p)
        magnitude = std::min(magnitude * 10 + (text[p] - '0'), Int32Max + 1);
    if (p == firstDigit) return false;
    value = static_cast<int32_t>(std::clamp(negative ? -magnitude : magnitude, Int32Min, Int32Max));
    pos = p;
    return true;
}

// "%d;": a number with its semicolon right behind it.
bool ScanEntry(std::string_view text, size_t& pos, int32_t& value) {
    return ScanNumber(text, pos, value) && pos < text.size() && text[pos++] == ';';
}

// Appends "%d;" unless the text would then reach the limit, which keeps room for the terminator.
bool AppendEntry(TimeHistory& text, size_t& length, int32_t value) {
    std::array<char, 16> entry;
    char* end = std::to_chars(entry.data(), entry.data() + entry.size() - 1, value).ptr;
    *end++ = ';';
    auto entryLength = static_cast<size_t>(end - entry.data());
    if (length + entryLength >= HistoryTextLimit) return false;
    std::copy(entry.data(), end, text.data() + length);
    length += entryLength;
    return true;
}

}  // namespace

size_t HistoryLength(const TimeHistory& history) {
    return static_cast<size_t>(std::find(history.begin(), history.end(), '\0') - history.begin());
}

void SetHistoryText(TimeHistory& history, std::string_view text) {
    history = {};
    std::copy_n(text.data(), std::min<size_t>(text.size(), HistoryTextLimit - 1), history.data());
}

int32_t HistoryWidthFor(int32_t difficulty) {
    switch (difficulty) {
        case 1:
            return 3;
        case 2:
            return 9;
        default:
            return 1;
    }
}

HistoryBins ParseHistory(const TimeHistory& history, int32_t difficulty) {
    HistoryBins bins;
    std::string_view text = HistoryView(history);
    size_t pos = 0;
    int32_t offset = 0;
    int32_t width = 0;
    // A width of 0 or below can only come from a hand-edited store; dividing by it is no option.
    if (!ScanEntry(text, pos, offset) || !ScanEntry(text, pos, width) || width <= 0) {
        bins.width = HistoryWidthFor(difficulty);
        return bins;
    }
    bins.offset = offset;
    bins.width = width;
    for (int bin = 0; bin < HistoryBinCount && text.size() - pos >= 2; ++bin) {
        size_t numberPos = pos;
        if (ScanNumber(text, numberPos, bins.counts[bin]))
            bins.largestCount = std::max(bins.largestCount, bins.counts[bin]);
        size_t semicolon = text.find(';', pos);
        if (semicolon == std::string_view::npos) break;
        pos = semicolon + 1;
    }
    return bins;
}

void AddTime(TimeHistory& history, int32_t timeMs, int32_t difficulty) {
    int64_t seconds = timeMs / 1000;
    HistoryBins bins = ParseHistory(history, difficulty);
    // An offset above the time (hand-edited) would give a negative bin: such times count in bin 0.
    int64_t bin = std::clamp<int64_t>((seconds - bins.offset) / bins.width, 0, HistoryBinCount - 1);
    int32_t& count = bins.counts[bin];
    if (count < Int32Max) ++count;

    TimeHistory text{};
    size_t length = 0;
    AppendEntry(text, length, bins.offset);
    AppendEntry(text, length, bins.width);
    int last = HistoryBinCount - 1;
    while (last > 0 && bins.counts[last] == 0)
        --last;
    for (int i = 0; i <= last && AppendEntry(text, length, bins.counts[i]); ++i) {
    }
    history = text;
}

}  // namespace velinor
