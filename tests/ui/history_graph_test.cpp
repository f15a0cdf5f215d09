// The time graph pixel for pixel, each case's canvas built from pixel spans worked out by hand:
// a line leaves out its last point, a width-2 pen adds the column left of a vertical line, a
// dash is 18 pixels on and 6 off with white gaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/platform/gdi/canvas.h"
#include "ui/history_graph.h"

namespace velinor::test {
namespace {

constexpr COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), Red = RGB(255, 0, 0),
                   Grey = RGB(0xAA, 0xAA, 0xAA), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255);
constexpr int Margin = 4;  // around the canvas, to catch a pixel outside it

struct Span {  // columns x0..x1, rows y0..y1, inclusive
    int x0, y0, x1, y1;
    COLORREF colour;
};
using Spans = std::vector<Span>;
Spans operator+(Spans a, const Spans& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The white ground 127 x 76, both axes and their arrowheads.
const Spans Axes = {{0, 0, 126, 75, White},    {3, 0, 3, 75, Black},      {2, 1, 2, 2, Black},
                    {4, 1, 4, 2, Black},       {1, 2, 1, 2, Black},       {5, 2, 5, 2, Black},
                    {0, 72, 126, 72, Black},   {124, 71, 125, 71, Black}, {124, 73, 125, 73, Black},
                    {124, 70, 124, 70, Black}, {124, 74, 124, 74, Black}};
const auto Tick = [](int x) { return Span{x - 1, 73, x, 74, Grey}; };
const auto Bar = [](int bin, int h) { return Span{4 + 2 * bin, 73 - h, 5 + 2 * bin, 72, Red}; };
Spans Dashes(int x) {
    return {{x, 0, x, 17, Green},  {x, 18, x, 23, White}, {x, 24, x, 41, Green},
            {x, 42, x, 47, White}, {x, 48, x, 65, Green}, {x, 66, x, 71, White}};
}
Spans Arrow(int c) {  // its point at (c, 68)
    return {{c, 68, c, 75, Blue},         {c - 1, 73, c + 1, 75, Blue},
            {c - 2, 74, c - 2, 75, Blue}, {c + 2, 74, c + 2, 75, Blue},
            {c - 3, 75, c - 3, 75, Blue}, {c + 3, 75, c + 3, 75, Blue}};
}

std::string OneGame(int width, int bin) {  // a history of one game in `bin`
    std::string text = "0;" + std::to_string(width) + ";";
    for (int i = 0; i < bin; ++i)
        text += "0;";
    return text + "1;";
}

struct Case {
    const char* name;
    int32_t difficulty;
    std::string history;
    int32_t played, time, penalised;  // the totals the average comes from
    int32_t lastGameMs;
    Spans drawn;  // over the axes, in drawing order
};

const Case Cases[] = {
    {"fresh installation, easy: axes only", 0, "", 0, 0, 0, 0, {}},
    // Bin 61 / 3 = 20; ticks at d = 21 and 41; both marks at x = 2 * 61 / 3 = 40, plus 4.
    {"medium, 61 s just finished", 1, OneGame(3, 20), 1, 61000, 0, 61000,
     Spans{Tick(45), Tick(85), Bar(20, 72)} + Dashes(44) + Arrow(44)},
    {"medium, reset after the 61 s game", 1, "reset", 0, 0, 0, 61000,
     Spans{Tick(45), Tick(85)} + Dashes(44)},
    // Bin 59 takes 75 s; both marks would stand at x = 150.
    {"easy, 75 s just finished", 0, OneGame(1, 59), 1, 75000, 0, 75000, Spans{Bar(59, 72)}},
    // 40 s in bin 4, 50 s and a penalised cell in bin 7; ticks at d = 7, 13, ..., 55; the
    // average (90 + 15) / 2 = 52 s at x = 104 / 9 = 11, the last game 65 s at 130 / 9 = 14.
    {"hard, 40 s and 65 s", 2, "0;9;0;0;0;0;1;0;0;1;", 2, 90000, 1, 65000,
     Spans{Tick(17), Tick(29), Tick(41), Tick(53), Tick(65), Tick(77), Tick(89), Tick(101),
           Tick(113), Bar(4, 72), Bar(7, 72)} +
         Dashes(18) + Arrow(15)},
    // Hand-edited width 61: 60 / 61 = 0, no ticks. 1 * 72 / 100 = 0 is raised to 1.
    {"width 61, a bin far below the largest", 0, "0;61;100;1;", 0, 0, 0, 0,
     Spans{Bar(0, 72), Bar(1, 1)}},
    {"easy, last game 59.9 s: x = 118", 0, "", 0, 0, 0, 59999, Dashes(122)},
    {"easy, last game 60 s: x = 120, not drawn", 0, "", 0, 0, 0, 60000, {}},
};

TEST(HistoryGraph, EveryPixelAsTheRulesGiveIt) {
    for (const Case& c : Cases) {
        PlayerStats stats{.totalplay = c.played, .totaltime = c.time, .totalpenal = c.penalised};
        SetHistoryText(stats.histo, c.history);
        Canvas actual(127 + 2 * Margin, 76 + 2 * Margin, RGB(1, 2, 3));
        Canvas expected(127 + 2 * Margin, 76 + 2 * Margin, RGB(1, 2, 3));
        for (const Span& r : Axes + c.drawn)
            for (int y = r.y0; y <= r.y1; ++y)
                for (int x = r.x0; x <= r.x1; ++x)
                    expected.bitmap.SetValue(x + Margin, y + Margin, r.colour);
        actual.dc.SetViewportOrg({Margin, Margin});
        actual.dc.SelectPen(CreatePen(PenStyle::Dash, 1, RGB(9, 9, 9)));
        DrawHistoryGraph(actual.dc, stats, c.difficulty, c.lastGameMs);

        const size_t size = static_cast<size_t>(actual.bitmap.Width()) * actual.bitmap.Height();
        EXPECT_TRUE(
            std::equal(actual.bitmap.Row(0), actual.bitmap.Row(0) + size, expected.bitmap.Row(0)))
            << c.name;
        EXPECT_EQ(actual.dc.SelectedPen().colour, RGB(9, 9, 9)) << c.name;  // the caller's pen
    }
}

}  // namespace
}  // namespace velinor::test
