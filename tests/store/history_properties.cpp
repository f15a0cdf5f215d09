#include "tests/store/history_properties.h"

#include <algorithm>
#include <climits>

#include "store/time_history.h"

namespace velinor::test {

namespace {

std::string CheckBins(const HistoryBins& bins) {
    if (bins.width <= 0) return "width " + std::to_string(bins.width);
    int32_t largest = std::max(0, *std::max_element(bins.counts.begin(), bins.counts.end()));
    if (bins.largestCount != largest) return "largest count " + std::to_string(bins.largestCount);
    return {};
}

}  // namespace

std::string CheckHistoryInput(const uint8_t* data, size_t size) {
    int32_t difficulty = size > 0 ? static_cast<int8_t>(data[0]) : 0;
    uint32_t time = 0;
    for (size_t i = 1; i < 5 && i < size; ++i)
        time |= static_cast<uint32_t>(data[i]) << (8 * (i - 1));
    auto timeMs = static_cast<int32_t>(time);
    TimeHistory history{};
    if (size > 5)
        std::copy_n(data + 5, std::min<size_t>(size - 5, HistoryTextLimit), history.data());

    HistoryBins before = ParseHistory(history, difficulty);
    if (std::string failure = CheckBins(before); !failure.empty()) return "before: " + failure;

    AddTime(history, timeMs, difficulty);
    size_t length = HistoryLength(history);
    if (length >= HistoryTextLimit) return "no terminator after AddTime";
    std::string text(history.data(), length);

    // Another difficulty: the header written must be the one read.
    HistoryBins after = ParseHistory(history, difficulty + 1);
    if (std::string failure = CheckBins(after); !failure.empty()) return "after: " + failure;
    if (after.offset != before.offset || after.width != before.width)
        return "header changed: " + text;

    // The old counts with the time's bin raised, from bin 0 to the last non-zero count, for as
    // many as fit below the limit.
    std::array<int32_t, HistoryBinCount> expected = before.counts;
    int64_t bin = (static_cast<int64_t>(timeMs / 1000) - before.offset) / before.width;
    int32_t& raised = expected[std::clamp<int64_t>(bin, 0, HistoryBinCount - 1)];
    if (raised < INT_MAX) ++raised;
    int last = HistoryBinCount - 1;
    while (last > 0 && expected[last] == 0)
        --last;
    auto written = static_cast<int>(std::count(text.begin(), text.end(), ';')) - 2;
    if (written < 1 || written > last + 1) return "wrong number of counts: " + text;
    if (written <= last && length + std::to_string(expected[written]).size() + 1 < HistoryTextLimit)
        return "a count was left out though it fitted: " + text;
    for (int i = 0; i < HistoryBinCount; ++i) {
        if (after.counts[i] != (i < written ? expected[i] : 0))
            return "count " + std::to_string(i) + " wrong: " + text;
    }
    return {};
}

}  // namespace velinor::test
