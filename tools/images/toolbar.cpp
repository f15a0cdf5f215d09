// The toolbar's six buttons and the application icon, in the 16 standard colours.
#include <cmath>
#include <map>

#include "platform/gdi/gdi.h"
#include "tools/images/art.h"
#include "tools/images/images.h"

namespace velinor::art {
namespace {

// Characters of the pixel maps: the 16 standard colours (palette index).
const std::map<char, uint32_t> Colours = {
    {'k', 0}, {'r', 1}, {'g', 2},  {'o', 3},  {'n', 4},  {'p', 5},  {'t', 6},  {'s', 7},
    {'d', 8}, {'R', 9}, {'G', 10}, {'Y', 11}, {'B', 12}, {'M', 13}, {'C', 14}, {'w', 15},
};
constexpr uint32_t Silver = 7;
constexpr int Button = 17;

void Fill(Bitmap& b, uint32_t value) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.Row(y)[x] = value;
}

// A small board: purple cells in a black frame, a green and a red line joining round ends.
void Board(Bitmap& target, int left, int top, int cells, int cell) {
    DC dc(&target);
    const COLORREF frame = RGB(0, 0, 0), stone = RGB(128, 0, 128), light = RGB(255, 0, 255);
    const int side = cells * cell + 1;
    dc.SelectBrush(CreateSolidBrush(stone));
    dc.SelectPen(CreatePen(PenStyle::Solid, 1, frame));
    Rectangle(dc, left, top, left + side, top + side);
    for (int k = 1; k < cells; ++k) {
        const Point v[] = {{left + k * cell, top}, {left + k * cell, top + side}};
        const Point h[] = {{left, top + k * cell}, {left + side, top + k * cell}};
        Polyline(dc, v);
        Polyline(dc, h);
    }
    // Highlights on the top left of every cell.
    for (int cy = 0; cy < cells; ++cy)
        for (int cx = 0; cx < cells; ++cx) {
            const int x = left + cx * cell + 1, y = top + cy * cell + 1;
            dc.SelectPen(CreatePen(PenStyle::Solid, 1, light));
            const Point edge[] = {{x, y + cell - 2}, {x, y}, {x + cell - 1, y}};
            if (cell >= 6) Polyline(dc, edge);
        }
    auto centre = [&](int cx, int cy) {
        return Point{left + cx * cell + cell / 2 + 1, top + cy * cell + cell / 2 + 1};
    };
    auto line = [&](std::initializer_list<Point> cellsOnLine, COLORREF colour) {
        dc.SelectPen(CreatePen(PenStyle::Solid, 2, colour));
        std::vector<Point> points;
        for (const Point& c : cellsOnLine)
            points.push_back(centre(c.x, c.y));
        Polyline(dc, points);
        dc.SelectBrush(CreateSolidBrush(colour));
        dc.SelectPen(CreatePen(PenStyle::Solid, 1, RGB(0, 0, 0)));
        const int r = cell >= 6 ? 2 : 1;
        for (const Point& end : {points.front(), points.back()})
            Rectangle(dc, end.x - r - 1, end.y - r - 1, end.x + r + 1, end.y + r + 1);
    };
    line({{0, 0}, {cells - 1, 0}, {cells - 1, cells - 1}}, RGB(0, 255, 0));
    line({{0, 1}, {0, cells - 1}, {cells - 2, cells - 1}}, RGB(255, 0, 0));
}

void Disc(Bitmap& target, int left, int top, int side, uint32_t fill, uint32_t outline) {
    const double c = side / 2.0, r = side / 2.0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double d = std::hypot(x + 0.5 - c, y + 0.5 - r);
            if (d < r) target.SetValue(left + x, top + y, d > r - 1.2 ? outline : fill);
        }
}

}  // namespace

Bitmap ToolbarImage() {
    Bitmap bar(6 * Button, Button, 4);
    Fill(bar, Silver);
    // Rules: a question mark.
    Paint(bar, 0, 1,
          {"....nnnnnnn", "...nBBBBBBBn", "..nBBwBBBBBBn", "..nBBnnnnnBBn", "...nn....nBBn",
           "........nBBBn", ".......nBBBn", "......nBBBn", "......nBBn", "......nBBn", ".......nn",
           "......nnnn", "......nBBn", "......nBBn", ".......nn"},
          Colours);
    // Options: a form with ticked boxes.
    Paint(bar, Button, 0,
          {"", "..kkkkkkkkkkkk", "..kwwwwwwwwwwkd", "..kwkkkwwwwwwkd", "..kwkRkwddddwkd",
           "..kwkkkwwwwwwkd", "..kwwwwwwwwwwkd", "..kwkkkwwwwwwkd", "..kwkwkwdddwwkd",
           "..kwkkkwwwwwwkd", "..kwwwwwwwwwwkd", "..kwkkkwwwwwwkd", "..kwkRkwddddwkd",
           "..kwkkkwwwwwwkd", "..kwwwwwwwwwwkd", "..kkkkkkkkkkkkd", "...dddddddddddd"},
          Colours);
    // New game: a small board with coloured lines.
    Board(bar, 2 * Button + 1, 1, 3, 5);
    // Hint: a sad face.
    Disc(bar, 3 * Button + 1, 1, 15, 11, 0);
    Paint(bar, 3 * Button + 1, 1,
          {"", "", "", "", "....kk...kk", "....kk...kk", "", "", "", ".....kkkkk", "....k.....k",
           "...k.......k"},
          Colours);
    // Show solution: a light bulb.
    Paint(
        bar, 4 * Button, 0,
        {"........Y", "..Y...kkkkk...Y", "....kkYYYYYkk", "...kYYwwYYYYYk", "...kYwYYYYYYYk",
         "..kYYwYYYYYYYYk", "..kYYYYYYYYYYYk", "..kYYYYYYYYYYYk", "...kYYYYYYYYYk", "....kYYYYYYYk",
         ".....kYYYYYk", "......kdddk", "......kwwwk", "......kdddk", "......kwwwk", ".......kkk"},
        Colours);
    // Pause: two red bars.
    Paint(bar, 5 * Button, 0,
          {"", "", "...kkkkk.kkkkk", "...kRRRrkRRRrk", "...kRwRrkRwRrk", "...kRwRrkRwRrk",
           "...kRRRrkRRRrk", "...kRRRrkRRRrk", "...kRRRrkRRRrk", "...kRRRrkRRRrk", "...kRRRrkRRRrk",
           "...kRRRrkRRRrk", "...kRRRrkRRRrk", "...krrrrkrrrrk", "...kkkkk.kkkkk"},
          Colours);
    return bar;
}

Bitmap AppIcon(int size) {
    Bitmap icon(size, size, 4);
    Fill(icon, Silver);
    if (size >= 32)
        Board(icon, 1, 1, 4, 7);
    else
        Board(icon, 0, 0, 3, 5);
    return icon;
}

}  // namespace velinor::art
