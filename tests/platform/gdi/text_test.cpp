// Text from the raster font: clipping and Latin-1; alignment and line breaks show in the
// golden screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Canvas;
using test::PixelSet;

constexpr COLORREF Ink = RGB(0, 255, 255);

PixelSet Write(Canvas& canvas, const char* text, Rect rect, unsigned format) {
    canvas.dc.SetTextColor(Ink);
    canvas.dc.SetBkMode(BkMode::Transparent);
    DrawText(canvas.dc, text, rect, format);
    return canvas.PixelsOf(Ink);
}

TEST(Text, ClipsToTheRectangleAndTheBitmap) {
    Canvas canvas(60, 30);
    const PixelSet inked = Write(canvas, "Wide text that does not fit", {5, 5, 40, 12}, TextLeft);
    ASSERT_FALSE(inked.empty());
    EXPECT_EQ(test::Union(inked, test::Block(5, 5, 40, 12)), test::Block(5, 5, 40, 12));

    Canvas unclipped(60, 30);
    const PixelSet all =
        Write(unclipped, "WWWWWWWWWWWWWWWW", {5, 5, 40, 12}, TextLeft | TextNoClip);
    EXPECT_TRUE(!all.empty() && all.rbegin()->first == 59)
        << "runs past the rectangle to the bitmap's edge and stops there";

    // Rectangles far outside, or reaching far past the edges, never write outside.
    Canvas far(30, 20);
    Write(far, "Far", {INT_MIN, INT_MIN, INT_MIN + 50, INT_MIN + 20}, TextLeft);
    Write(far, "Far", {INT_MAX - 10, 0, INT_MAX, 20}, TextRight | TextNoClip);
    EXPECT_TRUE(far.PixelsOf(Ink).empty());
    Write(far, "Far", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TextCentre | TextVCentre);
    const PixelSet around = far.PixelsOf(Ink);
    EXPECT_TRUE(!around.empty() && around.begin()->first == 0 &&
                std::ranges::any_of(around, [](auto p) { return p.second == 0; }))
        << "centred about the origin, cut at the bitmap's edges";
}

TEST(Text, Latin1AccentsAndReplacement) {
    auto ink = [](const char* text) {
        Canvas canvas(30, 20);
        return Write(canvas, text, {0, 0, 30, 20}, 0);
    };
    EXPECT_NE(ink("e"), ink("é"));
    EXPECT_EQ(ink("€"), ink("?")) << "beyond Latin-1";
    EXPECT_EQ(ink("\xC3"), ink("?")) << "a cut sequence";
    EXPECT_EQ(TextWidth("\xE9t\xE9"), 2 * TextWidth("?") + TextWidth("t"))
        << "lone Latin-1 bytes are not UTF-8";
}

}  // namespace
}  // namespace velinor
