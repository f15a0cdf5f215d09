// Far lines, polygons and rectangles, with pixels worked out by hand; strokes, wide and dashed
// pens are checked pixel by pixel through the board and the statistics graph.
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

void Draw(Canvas& canvas, std::vector<Point> points, int width = 1) {
    canvas.dc.SelectPen(CreatePen(PenStyle::Solid, width, Ink));
    Polyline(canvas.dc, points);
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

// Straight runs in both directions, pens 1 and 2 wide (the second pixel above or to the left),
// the end point left out, cut by the bitmap's edges on both axes.
TEST(Lines, StraightRunsLeaveOutTheirEndAndAreClippedOnBothAxes) {
    Canvas canvas(10, 6);
    Draw(canvas, {{-3, 0}, {12, 0}}, 2);
    Draw(canvas, {{4, 8}, {4, -2}}, 2);
    Draw(canvas, {{9, 3}, {6, 3}}, 2);
    Draw(canvas, {{1, 1}, {1, 4}});
    Draw(canvas, {{10, 5}, {10, 1}}, 2);  // just outside: only the second pixels show
    Draw(canvas, {{0, 6}, {3, 6}}, 2);
    EXPECT_EQ(canvas.PixelsOf(Ink),
              Union(Union(Union(Block(0, 0, 10, 1), Block(3, 0, 5, 6)), Block(7, 2, 10, 4)),
                    Union(Union(Block(1, 1, 2, 4), Block(9, 2, 10, 6)), Block(0, 5, 3, 6))));
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
