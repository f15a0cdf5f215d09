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

void Draw(Canvas& canvas, std::vector<Point> points, int width = 1,
          PenStyle style = PenStyle::Solid) {
    canvas.dc.SelectPen(CreatePen(style, width, Ink));
    Polyline(canvas.dc, points);
}

TEST(Lines, PolylineLeavesOutOnlyItsLastPoint) {
    Canvas canvas(12, 12);
    Draw(canvas, {{1, 1}, {5, 1}, {5, 4}});
    EXPECT_EQ(canvas.PixelsOf(Ink), Union(Block(1, 1, 6, 2), Block(5, 2, 6, 4)));
}

TEST(Lines, CellStrokesAreTwoPixelsWideFromCentreToEdge) {
    // The four-point polylines that paint a path cell's sides, for a cell at (20, 40).
    const int px = 20, py = 40;
    struct Case {
        const char* side;
        std::vector<Point> points;
        PixelSet expected;
    };
    const Case cases[] = {
        {"up",
         {{px + 9, py}, {px + 9, py + 10}, {px + 10, py + 10}, {px + 10, py - 1}},
         Block(px + 9, py, px + 11, py + 11)},
        {"right",
         {{px + 9, py + 9}, {px + 19, py + 9}, {px + 19, py + 10}, {px + 8, py + 10}},
         Block(px + 9, py + 9, px + 20, py + 11)},
        {"down",
         {{px + 9, py + 9}, {px + 9, py + 19}, {px + 10, py + 19}, {px + 10, py + 8}},
         Block(px + 9, py + 9, px + 11, py + 20)},
        {"left",
         {{px, py + 9}, {px + 10, py + 9}, {px + 10, py + 10}, {px - 1, py + 10}},
         Block(px, py + 9, px + 11, py + 11)},
    };
    for (const Case& c : cases) {
        Canvas canvas(60, 80);
        Draw(canvas, c.points);
        EXPECT_EQ(canvas.PixelsOf(Ink), c.expected) << c.side;
    }
}

TEST(Lines, StrokesOfACellAtTheBitmapsCornerStayInside) {
    // Up and left strokes of the cell at (0, 0) aim at row and column -1.
    Canvas canvas(20, 20);
    Draw(canvas, {{9, 0}, {9, 10}, {10, 10}, {10, -1}});
    Draw(canvas, {{0, 9}, {10, 9}, {10, 10}, {-1, 10}});
    EXPECT_EQ(canvas.PixelsOf(Ink), Union(Block(9, 0, 11, 11), Block(0, 9, 11, 11)));
}

TEST(Lines, SlopedLinesRoundAndDoNotDependOnTheStartingEnd) {
    // (0, 0) to (4, 2): y = x / 2 rounded, a half going down.
    Canvas forward(8, 8);
    Draw(forward, {{0, 0}, {4, 2}});
    EXPECT_EQ(forward.PixelsOf(Ink), (PixelSet{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));

    const std::vector<std::pair<Point, Point>> lines = {
        {{0, 0}, {7, 3}}, {{1, 6}, {6, 0}}, {{2, 2}, {3, 7}}, {{7, 7}, {0, 2}}, {{0, 4}, {7, 4}}};
    for (const auto& [a, b] : lines) {
        Canvas one(8, 8), other(8, 8);
        Draw(one, {a, b});
        SetPixel(one.dc, b.x, b.y, Ink);
        Draw(other, {b, a});
        SetPixel(other.dc, a.x, a.y, Ink);
        EXPECT_EQ(one.PixelsOf(Ink), other.PixelsOf(Ink)) << a.x << "," << a.y;
    }
}

TEST(Lines, WidePensDoubleTowardsLowerCoordinates) {
    // A graph bar at x = 45 covers the bin's two columns 44 and 45.
    Canvas bar(60, 80);
    Draw(bar, {{45, 72}, {45, 60}}, 2);
    EXPECT_EQ(bar.PixelsOf(Ink), Block(44, 61, 46, 73));
    Canvas flat(20, 20);
    Draw(flat, {{2, 5}, {9, 5}}, 2);
    EXPECT_EQ(flat.PixelsOf(Ink), Block(2, 4, 9, 6));
}

TEST(Lines, DashesRunEighteenOnSixOff) {
    Canvas transparent(60, 3, RGB(1, 1, 1));
    transparent.dc.SetBkMode(BkMode::Transparent);
    Draw(transparent, {{0, 1}, {40, 1}, {40, 2}}, 1, PenStyle::Dash);
    // Steps 0-17 on, 18-23 off, 24-41 on: the corner pixel (40, 1) is step 40.
    EXPECT_EQ(transparent.PixelsOf(Ink), Union(Block(0, 1, 18, 2), Block(24, 1, 41, 2)));

    Canvas opaque(60, 3, RGB(1, 1, 1));
    opaque.dc.SetBkColor(RGB(0, 0, 255));
    Draw(opaque, {{0, 1}, {30, 1}}, 1, PenStyle::Dash);
    EXPECT_EQ(opaque.PixelsOf(RGB(0, 0, 255)), Block(18, 1, 24, 2));
}

TEST(Lines, FarCoordinatesAreClippedNotWrapped) {
    Canvas canvas(20, 10);
    Draw(canvas, {{-1000000000, 5}, {1000000000, 5}});
    EXPECT_EQ(canvas.PixelsOf(Ink), Block(0, 5, 20, 6));

    Canvas diagonal(10, 10);
    Draw(diagonal, {{INT_MIN + 1, INT_MIN + 1}, {INT_MAX, INT_MAX}}, 2);
    PixelSet expected;
    for (int k = 0; k < 10; ++k) {
        expected.insert({k, k});
        if (k > 0) expected.insert({k, k - 1});
    }
    EXPECT_EQ(diagonal.PixelsOf(Ink), expected);

    Canvas nothing(10, 10);
    Draw(nothing, {{INT_MIN, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MAX, INT_MIN}, {-20, -20}});
    Draw(nothing, {{3, 3}});
    Draw(nothing, {});
    EXPECT_TRUE(nothing.PixelsOf(Ink).empty());
}

TEST(Shapes, PolygonFillsInsideAndOutlinesAllItsEdges) {
    Canvas canvas(10, 10);
    canvas.dc.SelectPen(GetStockPen(StockPen::Null));
    canvas.dc.SelectBrush(CreateSolidBrush(RGB(0, 0, 255)));
    const std::vector<Point> square = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
    Polygon(canvas.dc, square);
    EXPECT_EQ(canvas.PixelsOf(RGB(0, 0, 255)), Block(2, 2, 6, 6)) << "pixel centres inside";

    Canvas outlined(10, 10);
    outlined.dc.SelectPen(CreatePen(PenStyle::Solid, 1, Ink));
    outlined.dc.SelectBrush(CreateSolidBrush(RGB(0, 0, 255)));
    Polygon(outlined.dc, square);
    EXPECT_EQ(outlined.PixelsOf(RGB(0, 0, 255)), Block(3, 3, 6, 6));
    EXPECT_EQ(outlined.PixelsOf(Ink).size(), 16u) << "a 5 x 5 ring, closing edge included";

    // A triangle: row y has its centre inside for x + 0.5 < 8 - (y + 0.5), from x = 0.
    Canvas triangle(10, 10);
    triangle.dc.SelectPen(GetStockPen(StockPen::Null));
    triangle.dc.SelectBrush(CreateSolidBrush(Ink));
    Polygon(triangle.dc, std::vector<Point>{{0, 0}, {8, 0}, {0, 8}});
    PixelSet expected;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 7 - y; ++x)
            expected.insert({x, y});
    EXPECT_EQ(triangle.PixelsOf(Ink), expected);
}

TEST(Shapes, PolygonPatternAndFarPoints) {
    // The textured band: a pattern brush tiled from the origin, a point far below the window.
    Bitmap texture(2, 2, 4);
    texture.SetValue(1, 0, 9);
    texture.SetValue(0, 1, 12);
    Canvas canvas(16, 12);
    canvas.dc.SelectPen(GetStockPen(StockPen::Null));
    canvas.dc.SelectBrush(CreatePatternBrush(texture));
    Polygon(canvas.dc, std::vector<Point>{{0, 4}, {16, 4}, {16, 20000}, {0, 20000}});
    const COLORREF shade[2][2] = {{RGB(0, 0, 0), RGB(255, 0, 0)}, {RGB(0, 0, 255), RGB(0, 0, 0)}};
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(canvas.At(x, y), y < 4 ? RGB(0, 0, 0) : shade[y % 2][x % 2]) << x << "," << y;
}

TEST(Shapes, RectangleOutlinesRightAndBottomExclusive) {
    // The graph's background: white pen and brush over (0, 0, 127, 76) of a 130 x 80 canvas.
    Canvas canvas(130, 80);
    canvas.dc.SelectPen(GetStockPen(StockPen::White));
    canvas.dc.SelectBrush(GetStockBrush(StockBrush::White));
    Rectangle(canvas.dc, 0, 0, 127, 76);
    EXPECT_EQ(canvas.PixelsOf(RGB(255, 255, 255)), Block(0, 0, 127, 76));

    Canvas framed(8, 8);
    framed.dc.SelectPen(CreatePen(PenStyle::Solid, 1, Ink));
    framed.dc.SelectBrush(GetStockBrush(StockBrush::Null));
    Rectangle(framed.dc, 1, 1, 5, 4);
    EXPECT_EQ(
        framed.PixelsOf(Ink),
        (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));
}

}  // namespace
}  // namespace velinor
