// Raster operations, shrinking, fills and clipping of the blits; the pattern brush, the two-pass
// glyph copy and the sparkle's stretch show in the board's cells and the opening animation.
#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Block;
using test::Canvas;
using test::PaintEach;

constexpr COLORREF White = RGB(255, 255, 255);

TEST(Raster, OperationsFollowTheirTruthTables) {
    // Destination (200, 100, 30), source and brush (64, 64, 64): between them the channels'
    // bits hold every pairing of 0 and 1.
    const std::pair<Rop, COLORREF> cases[] = {
        {Rop::SrcCopy, RGB(64, 64, 64)},      {Rop::SrcAnd, RGB(64, 64, 0)},
        {Rop::SrcPaint, RGB(200, 100, 94)},   {Rop::SrcInvert, RGB(136, 36, 94)},
        {Rop::PatCopy, RGB(64, 64, 64)},      {Rop::PatInvert, RGB(136, 36, 94)},
        {Rop::DstInvert, RGB(55, 155, 225)},  {Rop::Blackness, RGB(0, 0, 0)},
        {Rop::Whiteness, RGB(255, 255, 255)},
    };
    Bitmap grey(1, 1, 24);
    grey.Row(0)[0] = RGB(64, 64, 64);
    for (const auto& [rop, expected] : cases) {
        Canvas canvas(3, 3, RGB(200, 100, 30));
        canvas.dc.SelectBrush(GetStockBrush(StockBrush::DarkGrey));
        BitBlt(canvas.dc, 1, 1, 1, 1, grey, 0, 0, rop);
        EXPECT_EQ(canvas.At(1, 1), expected) << "rop " << int(rop);
        EXPECT_EQ(canvas.PixelsOf(RGB(200, 100, 30)).size(), 8u) << "only the one pixel changes";
    }
}

TEST(Raster, ShrinkingSamplesTheMiddleOfEachSourceRun) {
    // Columns and rows 1 and 3 of 4.
    Bitmap big(4, 4, 24);
    PaintEach(big, [](int x, int y) { return RGB(x, y, 0); });
    Canvas small(2, 2, White);
    StretchBlt(small.dc, 0, 0, 2, 2, big, 0, 0, 4, 4, Rop::SrcCopy);
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}})
        EXPECT_EQ(small.At(x, y), RGB(2 * x + 1, 2 * y + 1, 0));
}

TEST(Raster, BlitsClipAtEveryEdge) {
    Bitmap source(30, 30, 24);
    PaintEach(source, [](int x, int y) { return RGB(x, y, 99); });
    struct Case {
        int x, y, w, h, sx, sy;
        test::PixelSet changed;
    };
    const Case cases[] = {
        {-3, -2, 5, 5, 0, 0, Block(0, 0, 2, 3)},   // top left
        {8, 7, 5, 5, 0, 0, Block(8, 7, 10, 8)},    // bottom right
        {-4, 3, 20, 2, 0, 0, Block(0, 3, 10, 5)},  // wider than the bitmap
        {2, 2, 4, 4, 28, 0, Block(2, 2, 4, 6)},    // source runs out on the right
        {2, 2, 4, 4, -2, -1, Block(4, 3, 6, 6)},   // source starts before its origin
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, {}},
        {INT_MAX, 0, INT_MAX, 5, 0, 0, {}},
        {-5, -5, 0, 3, 0, 0, {}},
        {0, 0, -4, 4, 0, 0, {}},
        {0, 0, 4, 4, INT_MAX, INT_MIN, {}},
    };
    for (const Case& c : cases) {
        Canvas canvas(10, 8, White);
        BitBlt(canvas.dc, c.x, c.y, c.w, c.h, source, c.sx, c.sy, Rop::SrcCopy);
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        for (const auto& [x, y] : c.changed)
            EXPECT_EQ(canvas.At(x, y), RGB(x - c.x + c.sx, y - c.y + c.sy, 99));
        EXPECT_EQ(canvas.PixelsOf(White).size(), 80 - c.changed.size()) << "the rest stays";
    }
}

TEST(Raster, ClipRectangleAndViewportOriginAndNoBitmap) {
    Canvas canvas(10, 10);
    canvas.dc.SetClipRect({2, 3, 6, 8});
    canvas.dc.SetViewportOrg({1, 1});
    canvas.dc.SelectBrush(CreateSolidBrush(RGB(9, 9, 9)));
    PatBlt(canvas.dc, -100, -100, 1000, 1000, Rop::PatCopy);
    EXPECT_EQ(canvas.PixelsOf(RGB(9, 9, 9)), Block(2, 3, 6, 8));
    FillRect(canvas.dc, {0, 0, 2, 3}, CreateSolidBrush(RGB(5, 5, 5)));  // device (1,1)-(3,4)
    EXPECT_EQ(canvas.PixelsOf(RGB(5, 5, 5)), Block(2, 3, 3, 4));
    SetPixel(canvas.dc, 0, 0, White);  // device (1, 1), outside the clip
    EXPECT_EQ(GetPixel(canvas.dc, 2, 3), RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), InvalidColour);
    EXPECT_EQ(GetPixel(canvas.dc, INT_MAX, INT_MIN), InvalidColour);

    DC none;  // a context without a bitmap draws nothing and gives nothing
    PatBlt(none, 0, 0, 5, 5, Rop::Whiteness);
    SetPixel(none, 0, 0, White);
    EXPECT_EQ(GetPixel(none, 0, 0), InvalidColour);
    BitBlt(canvas.dc, 1, 2, 2, 2, none, 0, 0, Rop::SrcCopy);
    EXPECT_TRUE(canvas.PixelsOf(White).empty());
}

}  // namespace
}  // namespace velinor
