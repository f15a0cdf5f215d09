// Pens, polylines, polygons and rectangles, with pixels worked out by hand.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Block;
using test::Canvas;
using test::PixelSet;
using test::Union;

constexpr COLORREF Ink = RGB(255, 255, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

void Draw(Canvas& canvas, std::vector<Point> points, int width = 1,
          PenStyle style = PenStyle::Solid) {
    canvas.dc.SelectPen(CreatePen(style, width, Ink));
    Polyline(canvas.dc, points);
}

TEST(Lines, PolylineLeavesOutOnlyItsLastPointAndSlopesRoundFromEitherEnd) {
    Canvas canvas(12, 12);
    Draw(canvas, {{1, 1}, {5, 1}, {5, 4}});
    EXPECT_EQ(canvas.PixelsOf(Ink), Union(Block(1, 1, 6, 2), Block(5, 2, 6, 4)));
    // (0, 0) to (4, 2): y = x / 2 rounded, a half going down; drawn backwards, the same pixels
    // with (4, 2) for (0, 0).
    Canvas forward(8, 8), backward(8, 8);
    Draw(forward, {{0, 0}, {4, 2}});
    Draw(backward, {{4, 2}, {0, 0}});
    EXPECT_EQ(forward.PixelsOf(Ink), (PixelSet{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
    EXPECT_EQ(backward.PixelsOf(Ink), (PixelSet{{1, 1}, {2, 1}, {3, 2}, {4, 2}}));
}

TEST(Lines, CellStrokesAreTwoPixelsWideFromCentreToEdge) {
    // The four-point polylines that paint a path cell's sides; at (0, 0) the up and left ones
    // aim at row and column -1.
    for (const Point cell : {Point{20, 40}, Point{0, 0}}) {
        const int px = cell.x, py = cell.y;
        const std::pair<std::vector<Point>, PixelSet> sides[] = {
            {{{px + 9, py}, {px + 9, py + 10}, {px + 10, py + 10}, {px + 10, py - 1}},
             Block(px + 9, py, px + 11, py + 11)},
            {{{px + 9, py + 9}, {px + 19, py + 9}, {px + 19, py + 10}, {px + 8, py + 10}},
             Block(px + 9, py + 9, px + 20, py + 11)},
            {{{px + 9, py + 9}, {px + 9, py + 19}, {px + 10, py + 19}, {px + 10, py + 8}},
             Block(px + 9, py + 9, px + 11, py + 20)},
            {{{px, py + 9}, {px + 10, py + 9}, {px + 10, py + 10}, {px - 1, py + 10}},
             Block(px, py + 9, px + 11, py + 11)},
        };
        for (const auto& [points, expected] : sides) {
            Canvas canvas(60, 80);
            Draw(canvas, points);
            EXPECT_EQ(canvas.PixelsOf(Ink), expected) << px << "," << py;
        }
    }
}

TEST(Lines, WidePensDoubleTowardsLowerCoordinatesAndDashesRunEighteenOnSixOff) {
    Canvas canvas(60, 80);
    Draw(canvas, {{45, 72}, {45, 60}}, 2);  // a graph bar covers its bin's columns 44 and 45
    Draw(canvas, {{2, 5}, {9, 5}}, 2);
    EXPECT_EQ(canvas.PixelsOf(Ink), Union(Block(44, 61, 46, 73), Block(2, 4, 9, 6)));

    Canvas transparent(60, 3, RGB(1, 1, 1));
    transparent.dc.SetBkMode(BkMode::Transparent);
    Draw(transparent, {{0, 1}, {40, 1}, {40, 2}}, 1, PenStyle::Dash);
    // Steps 0-17 on, 18-23 off, 24-41 on: the corner pixel (40, 1) is step 40.
    EXPECT_EQ(transparent.PixelsOf(Ink), Union(Block(0, 1, 18, 2), Block(24, 1, 41, 2)));
    Canvas opaque(60, 3, RGB(1, 1, 1));
    opaque.dc.SetBkColor(Blue);
    Draw(opaque, {{0, 1}, {30, 1}}, 1, PenStyle::Dash);
    EXPECT_EQ(opaque.PixelsOf(Blue), Block(18, 1, 24, 2));
}

TEST(Lines, FarCoordinatesAreClippedNotWrapped) {
    Canvas canvas(20, 10);
    Draw(canvas, {{-1000000000, 5}, {1000000000, 5}});
    EXPECT_EQ(canvas.PixelsOf(Ink), Block(0, 5, 20, 6));

    Canvas diagonal(10, 10);
    Draw(diagonal, {{INT_MIN + 1, INT_MIN + 1}, {INT_MAX, INT_MAX}}, 2);
    PixelSet expected = {{0, 0}};
    for (int k = 1; k < 10; ++k)
        expected.insert({{k, k}, {k, k - 1}});
    EXPECT_EQ(diagonal.PixelsOf(Ink), expected);

    Canvas nothing(10, 10);
    Draw(nothing, {{INT_MIN, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MIN}, {-20, -20}});
    Draw(nothing, {{3, 3}});
    Draw(nothing, {});
    nothing.dc.SelectBrush(CreateSolidBrush(Ink));
    Polygon(nothing.dc, std::vector<Point>{{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, -20}});
    EXPECT_TRUE(nothing.PixelsOf(Ink).empty());
}

TEST(Shapes, PolygonsAndRectanglesFillPixelCentresInsideAndOutlineAllTheirEdges) {
    Canvas canvas(16, 10);
    canvas.dc.SelectPen(CreatePen(PenStyle::Solid, 1, Ink));
    canvas.dc.SelectBrush(CreateSolidBrush(Blue));
    Polygon(canvas.dc, std::vector<Point>{{2, 2}, {6, 2}, {6, 6}, {2, 6}});
    Rectangle(canvas.dc, 9, 1, 13, 4);  // right and bottom exclusive
    EXPECT_EQ(canvas.PixelsOf(Blue), Union(Block(3, 3, 6, 6), Block(10, 2, 12, 3)));
    EXPECT_EQ(Union(canvas.PixelsOf(Ink), canvas.PixelsOf(Blue)),
              Union(Block(2, 2, 7, 7), Block(9, 1, 13, 4)))
        << "the polygon's closing edge included";

    // A triangle: row y has its centre inside for x + 0.5 < 8 - (y + 0.5), from x = 0.
    Canvas triangle(10, 10);
    triangle.dc.SelectPen(GetStockPen(StockPen::Null));
    triangle.dc.SelectBrush(CreateSolidBrush(Ink));
    Polygon(triangle.dc, std::vector<Point>{{0, 0}, {8, 0}, {0, 8}});
    PixelSet expected;
    for (int y = 0; y < 8; ++y)
        expected = Union(expected, Block(0, y, 7 - y, y + 1));
    EXPECT_EQ(triangle.PixelsOf(Ink), expected);
}

}  // namespace
}  // namespace velinor
