// The time graph pixel for pixel. Each case's canvas is built from pixel runs worked out by hand
// from the drawing rules: a line leaves out its last point, a pen of width 2 adds the column to
// the left of a vertical line, a dash runs 18 pixels on and 6 off with white gaps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/gdi/canvas.h"
#include "ui/history_graph.h"

namespace velinor::test {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Grey = RGB(0xAA, 0xAA, 0xAA);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Untouched = RGB(1, 2, 3);

// The canvas stands at (Margin, Margin) of a larger bitmap, so a pixel outside it shows.
constexpr int Margin = 4;

// Pixels x0..x1, y0..y1 (both inclusive) of the canvas.
struct Run {
    int x0, y0, x1, y1;
    COLORREF colour;
};
using Runs = std::vector<Run>;

// White ground 127 x 76, both axes and their arrowheads: what every graph starts from.
const Runs Axes = {
    {0, 0, 126, 75, White},    {3, 0, 3, 75, Black},      {2, 1, 2, 2, Black},
    {4, 1, 4, 2, Black},       {1, 2, 1, 2, Black},       {5, 2, 5, 2, Black},
    {0, 72, 126, 72, Black},   {124, 71, 125, 71, Black}, {124, 73, 125, 73, Black},
    {124, 70, 124, 70, Black}, {124, 74, 124, 74, Black},
};

// A tick at x: columns x - 1 and x, rows 73 and 74.
Run Tick(int x) {
    return {x - 1, 73, x, 74, Grey};
}
// The bar of bin i, h pixels high: columns 4 + 2i and 5 + 2i, up from the axis row 72.
Run Bar(int bin, int h) {
    return {4 + 2 * bin, 73 - h, 5 + 2 * bin, 72, Red};
}
// The last game's line at column x, rows 0 to 71: green dashes with white gaps.
Runs Dashes(int x) {
    return {{x, 0, x, 17, Green},  {x, 18, x, 23, White}, {x, 24, x, 41, Green},
            {x, 42, x, 47, White}, {x, 48, x, 65, Green}, {x, 66, x, 71, White}};
}
// The average's arrow with its point at column c, row 68.
Runs Arrow(int c) {
    return {{c, 68, c, 75, Blue},         {c - 1, 73, c - 1, 75, Blue},
            {c + 1, 73, c + 1, 75, Blue}, {c - 2, 74, c - 2, 75, Blue},
            {c + 2, 74, c + 2, 75, Blue}, {c - 3, 75, c - 3, 75, Blue},
            {c + 3, 75, c + 3, 75, Blue}};
}
Runs operator+(Runs a, const Runs& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    const char* name;
    int32_t difficulty;
    std::string history;
    PlayerStats totals;  // totalplay, totaltime and totalpenal for the average
    int32_t lastGameMs;
    Runs drawn;  // over the axes, in drawing order
};

// A history of width W holding one game, in bin `bin`.
std::string OneGame(int width, int bin) {
    std::string text = "0;" + std::to_string(width) + ";";
    for (int i = 0; i < bin; ++i)
        text += "0;";
    return text + "1;";
}

PlayerStats Totals(int32_t played, int32_t time, int32_t penalised) {
    return {.besttime = 0, .totalplay = played, .totaltime = time, .totalpenal = penalised};
}

const Case Cases[] = {
    {"fresh installation, easy: axes only", 0, "", {}, 0, {}},
    // Bin 61 / 3 = 20; ticks at d = 21 and 41; the marks at x = 2 * 61 / 3 = 40, plus 4.
    {"medium, one game of 61 s just finished", 1, OneGame(3, 20), Totals(1, 61000, 0), 61000,
     Runs{Tick(45), Tick(85), Bar(20, 72)} + Dashes(44) + Arrow(44)},
    // The reset history holds nothing: the medium width gives the ticks, the green line stays.
    {"medium, statistics reset after the 61 s game",
     1,
     "reset",
     {},
     61000,
     Runs{Tick(45), Tick(85)} + Dashes(44)},
    // Bin 59 takes 75 s; both marks would stand at x = 150.
    {"easy, one game of 75 s just finished", 0, OneGame(1, 59), Totals(1, 75000, 0), 75000,
     Runs{Bar(59, 72)}},
    // 40 s in bin 4, 50 s plus a penalised cell in bin 7; ticks at d = 7, 13, ..., 55; the
    // average (90 + 15) / 2 = 52 s at x = 104 / 9 = 11, the last game 65 s at x = 130 / 9 = 14.
    {"hard, games of 40 s and 65 s", 2, "0;9;0;0;0;0;1;0;0;1;", Totals(2, 90000, 1), 65000,
     Runs{Tick(17), Tick(29), Tick(41), Tick(53), Tick(65), Tick(77), Tick(89), Tick(101),
          Tick(113), Bar(4, 72), Bar(7, 72)} +
         Dashes(18) + Arrow(15)},
    // A hand-edited width of 61: 60 / 61 = 0 ticks. 1 * 72 / 100 = 0 is raised to 1.
    {"width above 60, a bin far below the largest",
     0,
     "0;61;100;1;",
     {},
     0,
     Runs{Bar(0, 72), Bar(1, 1)}},
    // 59.9 s at easy: x = 118, the last place a mark is drawn.
    {"easy, last game of 59.9 s", 0, "", {}, 59999, Dashes(122)},
    {"easy, last game of 60 s: x = 120, not drawn", 0, "", {}, 60000, {}},
};

void Paint(Canvas& canvas, const Runs& runs) {
    for (const Run& r : runs)
        for (int y = r.y0; y <= r.y1; ++y)
            for (int x = r.x0; x <= r.x1; ++x)
                canvas.bitmap.SetValue(x + Margin, y + Margin, r.colour);
}

std::string Differences(const Canvas& expected, const Canvas& actual) {
    std::string text;
    int count = 0;
    for (int y = 0; y < actual.bitmap.Height(); ++y)
        for (int x = 0; x < actual.bitmap.Width(); ++x) {
            if (expected.At(x, y) == actual.At(x, y) || ++count > 8) continue;
            text += " (" + std::to_string(x - Margin) + "," + std::to_string(y - Margin) + ")";
        }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + text;
}

TEST(HistoryGraph, EveryPixelAsTheRulesGiveIt) {
    for (const Case& c : Cases) {
        PlayerStats stats = c.totals;
        SetHistoryText(stats.histo, c.history);
        Canvas actual(127 + 2 * Margin, 76 + 2 * Margin, Untouched);
        actual.dc.SetViewportOrg({Margin, Margin});
        const Pen before = actual.dc.SelectPen(CreatePen(PenStyle::Dash, 1, RGB(9, 9, 9)));
        DrawHistoryGraph(actual.dc, stats, c.difficulty, c.lastGameMs);
        Canvas expected(127 + 2 * Margin, 76 + 2 * Margin, Untouched);
        Paint(expected, Axes + c.drawn);
        EXPECT_EQ(Differences(expected, actual), "") << c.name;
        // The caller's pen is back.
        EXPECT_EQ(actual.dc.SelectedPen().style, PenStyle::Dash) << c.name;
        EXPECT_EQ(actual.dc.SelectedPen().colour, RGB(9, 9, 9)) << c.name;
        actual.dc.SelectPen(before);
    }
}

}  // namespace
}  // namespace velinor::test
