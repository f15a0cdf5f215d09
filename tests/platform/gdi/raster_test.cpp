// Raster operations, the 1-bit colour mapping, brushes, stretching and clipping of the blits.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Block;
using test::Canvas;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// A 1-bit image from rows of '#' (set) and '.' (clear).
Bitmap Mono(std::initializer_list<const char*> rows) {
    const int width = static_cast<int>(std::strlen(*rows.begin()));
    Bitmap b(width, static_cast<int>(rows.size()), 1);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x)
            b.SetValue(x, y, row[x] == '#' ? 1 : 0);
        ++y;
    }
    return b;
}

TEST(Raster, SourceOperationsFollowTheirTruthTables) {
    // Destination columns D = 0 0 1 1 and source S = 0 1 0 1, as black (0) and white (1).
    struct Case {
        Rop rop;
        COLORREF expected[4];
    };
    const Case cases[] = {
        {Rop::SrcCopy, {Black, White, Black, White}},
        {Rop::SrcAnd, {Black, Black, Black, White}},
        {Rop::SrcPaint, {Black, White, White, White}},
        {Rop::SrcInvert, {Black, White, White, Black}},
    };
    Bitmap source(4, 1, 24);
    const COLORREF s[4] = {Black, White, Black, White};
    for (int x = 0; x < 4; ++x)
        source.Row(0)[x] = s[x];
    for (const Case& c : cases) {
        Canvas canvas(4, 1);
        canvas.bitmap.Row(0)[2] = White;
        canvas.bitmap.Row(0)[3] = White;
        BitBlt(canvas.dc, 0, 0, 4, 1, source, 0, 0, c.rop);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(canvas.At(x, 0), c.expected[x]) << "rop " << int(c.rop) << " column " << x;
    }
}

TEST(Raster, ChannelsCombineBitByBit) {
    // (200, 100, 30) against (64, 64, 64), worked out by hand in binary.
    Canvas canvas(1, 1, RGB(200, 100, 30));
    Bitmap grey(1, 1, 24);
    grey.Row(0)[0] = RGB(64, 64, 64);
    BitBlt(canvas.dc, 0, 0, 1, 1, grey, 0, 0, Rop::SrcAnd);
    EXPECT_EQ(canvas.At(0, 0), RGB(64, 64, 0));
    canvas.bitmap.Row(0)[0] = RGB(200, 100, 30);
    BitBlt(canvas.dc, 0, 0, 1, 1, grey, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(canvas.At(0, 0), RGB(200, 100, 94));
}

TEST(Raster, BrushAndFillOperations) {
    struct Case {
        Rop rop;
        COLORREF expected;
    };
    // The destination is (200, 100, 30); the brush the stock dark grey (64, 64, 64).
    const Case cases[] = {
        {Rop::PatCopy, RGB(64, 64, 64)},
        {Rop::PatInvert, RGB(136, 36, 94)},
        {Rop::DstInvert, RGB(55, 155, 225)},
        {Rop::Blackness, Black},
        {Rop::Whiteness, White},
    };
    for (const Case& c : cases) {
        Canvas canvas(3, 3, RGB(200, 100, 30));
        canvas.dc.SelectBrush(GetStockBrush(StockBrush::DarkGrey));
        PatBlt(canvas.dc, 1, 1, 1, 1, c.rop);
        EXPECT_EQ(canvas.At(1, 1), c.expected) << "rop " << int(c.rop);
        EXPECT_EQ(canvas.PixelsOf(RGB(200, 100, 30)).size(), 8u) << "only the one pixel changes";
    }
    // Inverting twice with the same brush gives the scene back: how the stylus cell is marked.
    Canvas canvas(2, 2, RGB(10, 200, 77));
    canvas.dc.SelectBrush(GetStockBrush(StockBrush::DarkGrey));
    PatBlt(canvas.dc, 0, 0, 2, 2, Rop::PatInvert);
    PatBlt(canvas.dc, 0, 0, 2, 2, Rop::PatInvert);
    EXPECT_EQ(canvas.PixelsOf(RGB(10, 200, 77)).size(), 4u);
}

TEST(Raster, PaletteDestinationsCombineIndices) {
    // On a 4-bit bitmap the operations act on palette indices: 9 (red) | 2 (dark green) = 11.
    Bitmap target(2, 1, 4);
    target.SetValue(0, 0, 9);
    DC dc(&target);
    Bitmap source(1, 1, 4);
    source.SetValue(0, 0, 2);
    BitBlt(dc, 0, 0, 1, 1, source, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(target.Value(0, 0), 11u);
    EXPECT_EQ(target.ColourOf(11), RGB(255, 255, 0));
    SetPixel(dc, 1, 0, RGB(250, 5, 250));  // nearest entry: magenta, 13
    EXPECT_EQ(target.Value(1, 0), 13u);
}

TEST(Raster, MonochromeSourceTakesTheDestinationColours) {
    const Bitmap glyph = Mono({"#.", ".#"});
    Canvas canvas(2, 2, RGB(1, 2, 3));
    canvas.dc.SetTextColor(RGB(255, 0, 0));
    canvas.dc.SetBkColor(RGB(0, 0, 255));
    BitBlt(canvas.dc, 0, 0, 2, 2, glyph, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 255)) << "set pixels take the background colour";
    EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(1, 0), RGB(255, 0, 0)) << "clear pixels take the text colour";
    EXPECT_EQ(canvas.At(0, 1), RGB(255, 0, 0));
}

TEST(Raster, TwoPassGlyphCopyLeavesTheTileAroundTheGlyph) {
    // The board's transparent glyph copy: AND with white text on black, then OR with black
    // text on the line colour.
    const Bitmap glyph = Mono({"....", ".##.", ".#..", "...."});
    Canvas canvas(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            canvas.bitmap.Row(y)[x] = RGB(100 + 10 * x, 50 + 20 * y, 170);
    const COLORREF line = RGB(0, 80, 0);
    canvas.dc.SetTextColor(White);
    canvas.dc.SetBkColor(Black);
    BitBlt(canvas.dc, 1, 1, 4, 4, glyph, 0, 0, Rop::SrcAnd);
    canvas.dc.SetTextColor(Black);
    canvas.dc.SetBkColor(line);
    BitBlt(canvas.dc, 1, 1, 4, 4, glyph, 0, 0, Rop::SrcPaint);
    EXPECT_EQ(canvas.PixelsOf(line), (test::PixelSet{{2, 2}, {3, 2}, {2, 3}}));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            if (canvas.At(x, y) == line) continue;
            EXPECT_EQ(canvas.At(x, y), RGB(100 + 10 * x, 50 + 20 * y, 170)) << x << "," << y;
        }
}

TEST(Raster, PaletteSourcesShowTheirColours) {
    Bitmap tiles(2, 1, 8, {RGB(90, 40, 120), RGB(200, 180, 220)});
    tiles.SetValue(1, 0, 1);
    Canvas canvas(2, 1);
    BitBlt(canvas.dc, 0, 0, 2, 1, tiles, 0, 0, Rop::SrcCopy);
    EXPECT_EQ(canvas.At(0, 0), RGB(90, 40, 120));
    EXPECT_EQ(canvas.At(1, 0), RGB(200, 180, 220));
}

TEST(Raster, PatternBrushTilesFromTheBitmapOrigin) {
    Bitmap pattern(3, 2, 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            pattern.Row(y)[x] = RGB(10 * x + 1, 10 * y + 1, 7);
    Canvas canvas(11, 9);
    canvas.dc.SelectBrush(CreatePatternBrush(pattern));
    canvas.dc.SetViewportOrg({2, 1});  // moves the drawing, not the pattern
    PatBlt(canvas.dc, 2, 3, 6, 4, Rop::PatCopy);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 10; ++x)
            EXPECT_EQ(canvas.At(x, y), RGB(10 * (x % 3) + 1, 10 * (y % 2) + 1, 7)) << x << "," << y;
    EXPECT_EQ(canvas.PixelsOf(Black).size(), 11u * 9 - 24);
}

TEST(Raster, StretchOrOntoAScene) {
    // The sparkle's way: a small image scaled up and ORed over what is there.
    Bitmap spark(2, 2, 8, {RGB(0, 0, 0), RGB(0, 0, 200), RGB(100, 100, 255)});
    spark.SetValue(1, 0, 1);
    spark.SetValue(0, 1, 2);
    Canvas canvas(6, 6, RGB(16, 0, 0));
    StretchBlt(canvas.dc, 1, 1, 4, 4, spark, 0, 0, 2, 2, Rop::SrcPaint);
    EXPECT_EQ(canvas.PixelsOf(RGB(16, 0, 200)), Block(3, 1, 5, 3));
    EXPECT_EQ(canvas.PixelsOf(RGB(116, 100, 255)), Block(1, 3, 3, 5));
    EXPECT_EQ(canvas.PixelsOf(RGB(16, 0, 0)).size(), 36u - 8) << "black leaves the scene alone";

    // Shrinking samples the middle of each source run: columns and rows 1 and 3 of 4.
    Bitmap big(4, 4, 24);
    big.Row(1)[1] = RGB(1, 1, 1);
    big.Row(1)[3] = RGB(2, 2, 2);
    big.Row(3)[1] = RGB(3, 3, 3);
    big.Row(3)[3] = RGB(4, 4, 4);
    Canvas small(2, 2, White);
    StretchBlt(small.dc, 0, 0, 2, 2, big, 0, 0, 4, 4, Rop::SrcCopy);
    EXPECT_EQ(small.At(0, 0), RGB(1, 1, 1));
    EXPECT_EQ(small.At(1, 0), RGB(2, 2, 2));
    EXPECT_EQ(small.At(0, 1), RGB(3, 3, 3));
    EXPECT_EQ(small.At(1, 1), RGB(4, 4, 4));
}

TEST(Raster, BlitsClipAtEveryEdge) {
    Bitmap source(30, 30, 24);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            source.Row(y)[x] = RGB(x, y, 99);
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
        test::PixelSet changed;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                if (canvas.At(x, y) != White) {
                    changed.insert({x, y});
                    EXPECT_EQ(canvas.At(x, y), RGB(x - c.x + c.sx, y - c.y + c.sy, 99));
                }
        EXPECT_EQ(changed, c.changed) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST(Raster, ClipRectangleAndViewportOrigin) {
    Canvas canvas(10, 10);
    canvas.dc.SetClipRect({2, 3, 6, 8});
    canvas.dc.SetViewportOrg({1, 1});
    canvas.dc.SelectBrush(CreateSolidBrush(RGB(9, 9, 9)));
    PatBlt(canvas.dc, -100, -100, 1000, 1000, Rop::PatCopy);
    EXPECT_EQ(canvas.PixelsOf(RGB(9, 9, 9)), Block(2, 3, 6, 8));
    FillRect(canvas.dc, {0, 0, 2, 3}, CreateSolidBrush(RGB(5, 5, 5)));  // device (1,1)-(3,4)
    EXPECT_EQ(canvas.PixelsOf(RGB(5, 5, 5)), Block(2, 3, 3, 4));
    SetPixel(canvas.dc, 0, 0, RGB(7, 7, 7));  // device (1, 1), outside the clip
    EXPECT_TRUE(canvas.PixelsOf(RGB(7, 7, 7)).empty());
    EXPECT_EQ(GetPixel(canvas.dc, 2, 3), RGB(9, 9, 9));
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), InvalidColour);
    EXPECT_EQ(GetPixel(canvas.dc, INT_MAX, INT_MIN), InvalidColour);
}

TEST(Raster, NothingHappensWithoutABitmap) {
    DC dc;
    Bitmap source(2, 2, 24);
    PatBlt(dc, 0, 0, 5, 5, Rop::Whiteness);
    BitBlt(dc, 0, 0, 2, 2, source, 0, 0, Rop::SrcCopy);
    SetPixel(dc, 0, 0, White);
    EXPECT_EQ(GetPixel(dc, 0, 0), InvalidColour);
    Canvas canvas(2, 2, RGB(3, 3, 3));
    BitBlt(canvas.dc, 0, 0, 2, 2, dc, 0, 0, Rop::SrcCopy);  // a source context with no bitmap
    EXPECT_EQ(canvas.PixelsOf(RGB(3, 3, 3)).size(), 4u);
}

}  // namespace
}  // namespace velinor
