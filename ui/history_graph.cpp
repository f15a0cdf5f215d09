#include "ui/history_graph.h"

#include <algorithm>

#include "game/game_state.h"
#include "platform/gdi/objects.h"
#include "platform/gdi/shapes.h"
#include "store/time_history.h"

namespace velinor {
namespace {

constexpr int AxisY = 72;
constexpr int BarTop = 72;  // the largest bin's height
constexpr int MarkerLimit = 120;

struct Segment {
    Point from;
    Point to;
};

// Both axes with their arrowheads: time to the right, count upward.
constexpr Segment AxisSegments[] = {
    {{3, 0}, {3, 76}},      {{2, 1}, {2, 3}},       {{4, 1}, {4, 3}},
    {{1, 2}, {1, 3}},       {{5, 2}, {5, 3}},       {{0, AxisY}, {127, AxisY}},
    {{124, 71}, {126, 71}}, {{124, 73}, {126, 73}}, {{124, 70}, {125, 70}},
    {{124, 74}, {125, 74}},
};

// The average's arrow pointing up at the axis, from its centre column x + 4.
constexpr Segment ArrowSegments[] = {
    {{4, 75}, {4, 67}}, {{3, 75}, {3, 72}}, {{5, 75}, {5, 72}}, {{2, 75}, {2, 73}},
    {{6, 75}, {6, 73}}, {{1, 75}, {1, 74}}, {{7, 75}, {7, 74}},
};

void Line(DC& dc, Point from, Point to) {
    const Point points[] = {from, to};
    Polyline(dc, points);
}

// Where a time in whole seconds falls on the time axis, in half bins. Anything left of -8
// draws nothing, and keeps hand-edited extremes within the coordinates' range.
int MarkerX(int64_t seconds, const HistoryBins& bins) {
    return static_cast<int>(
        std::clamp<int64_t>(2 * (seconds - bins.offset) / bins.width, -8, MarkerLimit));
}

}  // namespace

void DrawHistoryGraph(DC& dc, const PlayerStats& stats, int32_t difficulty, int32_t lastGameMs) {
    const HistoryBins bins = ParseHistory(stats.histo, difficulty);
    const int32_t largest = bins.largestCount;

    const Pen first = dc.SelectPen(CreatePen(PenStyle::Solid, 1, RGB(255, 255, 255)));
    dc.SelectBrush(GetStockBrush(StockBrush::White));
    Rectangle(dc, 0, 0, 127, 76);

    dc.SelectPen(GetStockPen(StockPen::Black));
    for (const Segment& s : AxisSegments)
        Line(dc, s.from, s.to);

    // A tick at the start of every 60 / W-th bin; a width above 60 leaves no ticks.
    dc.SelectPen(CreatePen(PenStyle::Solid, 2, RGB(0xAA, 0xAA, 0xAA)));
    const int32_t q = 60 / bins.width;
    if (q != 0) {
        for (int d = 2; d < HistoryBinCount; ++d) {
            if (d % q == 1) Line(dc, {2 * d + 3, 73}, {2 * d + 3, 75});
        }
    }

    dc.SelectPen(CreatePen(PenStyle::Solid, 2, RGB(0xFF, 0, 0)));
    for (int i = 0; i < HistoryBinCount; ++i) {
        const int32_t count = bins.counts[i];
        if (count == 0 || largest == 0) continue;
        const int h = std::max<int16_t>(static_cast<int16_t>(int64_t{count} * BarTop / largest), 1);
        Line(dc, {5 + 2 * i, AxisY}, {5 + 2 * i, AxisY - h});
    }

    if (lastGameMs != 0) {
        const int x = MarkerX(lastGameMs / 1000, bins);
        if (x < MarkerLimit) {
            dc.SelectPen(CreatePen(PenStyle::Dash, 1, RGB(0, 0xFF, 0)));
            Line(dc, {x + 4, 0}, {x + 4, AxisY});
        }
    }

    if (stats.totalplay != 0 && largest != 0) {
        const int64_t average = (int64_t{PenaltyPerCellMs} * stats.totalpenal + stats.totaltime) /
                                (int64_t{1000} * stats.totalplay);
        const int x = MarkerX(average, bins);
        if (x < MarkerLimit) {
            dc.SelectPen(CreatePen(PenStyle::Solid, 1, RGB(0, 0, 0xFF)));
            for (const Segment& s : ArrowSegments)
                Line(dc, {x + s.from.x, s.from.y}, {x + s.to.x, s.to.y});
        }
    }

    dc.SelectPen(first);
}

}  // namespace velinor
