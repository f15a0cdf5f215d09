// Text from the raster font: alignment, clipping, line breaks, Latin-1 and the background modes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Canvas;
using test::PixelSet;
using test::Union;

constexpr COLORREF Ink = RGB(0, 255, 255);

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
};

Box BoxOf(const PixelSet& pixels) {
    Box b;
    for (const auto& [x, y] : pixels) {
        b.left = std::min(b.left, x);
        b.right = std::max(b.right, x);
        b.top = std::min(b.top, y);
        b.bottom = std::max(b.bottom, y);
    }
    return b;
}

PixelSet Write(Canvas& canvas, const char* text, Rect rect, unsigned format) {
    canvas.dc.SetTextColor(Ink);
    canvas.dc.SetBkMode(BkMode::Transparent);
    DrawText(canvas.dc, text, rect, format);
    return canvas.PixelsOf(Ink);
}

TEST(Text, FontIsASmallProportionalFace) {
    EXPECT_GE(TextLineHeight(), 11);
    EXPECT_LE(TextLineHeight(), 15) << "a status line is 15 pixels high";
    EXPECT_LT(TextWidth("i"), TextWidth("W"));
    EXPECT_EQ(TextWidth("ab"), TextWidth("a") + TextWidth("b"));
    EXPECT_EQ(TextWidth(""), 0);
    EXPECT_GT(TextWidth(" "), 0);
}

TEST(Text, AlignsLeftRightAndCentreInTheRectangle) {
    const Rect rect{10, 2, 110, 17};
    Canvas left(120, 20), right(120, 20), centre(120, 20);
    const Box l = BoxOf(Write(left, "Connect", rect, TextLeft));
    const Box r = BoxOf(Write(right, "Connect", rect, TextRight));
    const Box c = BoxOf(Write(centre, "Connect", rect, TextCentre));
    const int width = TextWidth("Connect");
    EXPECT_GE(l.left, 10);
    EXPECT_LE(l.left, 11) << "the C's ink starts at its pen position or one after";
    EXPECT_EQ(r.left - l.left, 100 - width);
    EXPECT_LE(r.right, 109);
    EXPECT_EQ(c.left - l.left, (100 - width) / 2);
    EXPECT_GE(l.top, 2) << "one line at the top of the rectangle";
    EXPECT_EQ(l.top, r.top);
}

TEST(Text, ClipsToTheRectangleAndTheBitmap) {
    Canvas canvas(60, 30);
    const PixelSet inked = Write(canvas, "Wide text that does not fit", {5, 5, 40, 12}, TextLeft);
    ASSERT_FALSE(inked.empty());
    const Box b = BoxOf(inked);
    EXPECT_GE(b.left, 5);
    EXPECT_LE(b.right, 39);
    EXPECT_GE(b.top, 5);
    EXPECT_LE(b.bottom, 11);

    Canvas unclipped(60, 30);
    const Box all =
        BoxOf(Write(unclipped, "WWWWWWWWWWWWWWWW", {5, 5, 40, 12}, TextLeft | TextNoClip));
    EXPECT_GT(all.right, 39);
    EXPECT_EQ(all.right, 59) << "runs to the bitmap's edge and stops there";

    // Rectangles far outside, or reaching far past the edges, never write outside.
    Canvas far(30, 20);
    Write(far, "Far", {INT_MIN, INT_MIN, INT_MIN + 50, INT_MIN + 20}, TextLeft);
    Write(far, "Far", {INT_MAX - 10, 0, INT_MAX, 20}, TextRight | TextNoClip);
    EXPECT_TRUE(far.PixelsOf(Ink).empty());
    Write(far, "Far", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TextCentre | TextVCentre);
    const Box around = BoxOf(far.PixelsOf(Ink));
    EXPECT_EQ(around.left, 0) << "centred about the origin, cut at the bitmap's edges";
    EXPECT_EQ(around.top, 0);
}

TEST(Text, LinesBreakAtLineEndsAndWrapAtSpaces) {
    const int h = TextLineHeight();
    Canvas canvas(100, 60);
    const Box two = BoxOf(Write(canvas, "Total\r\nBest", {0, 0, 100, 60}, TextLeft));
    EXPECT_GE(two.bottom, h) << "the second line sits one line height lower";
    EXPECT_LT(two.bottom, 2 * h);

    Canvas single(100, 60);
    const Box one = BoxOf(Write(single, "Total\r\nBest", {0, 0, 100, 60}, TextSingleLine));
    EXPECT_LT(one.bottom, h);
    EXPECT_EQ(TextWidth("TotalBest"), MeasureText("Total\r\nBest", 100, TextSingleLine).width);

    EXPECT_EQ(MeasureText("a\nb\rc\r\nd", 100, 0).height, 4 * h);
    const int word = TextWidth("abort");
    EXPECT_EQ(MeasureText("abort abort abort", word + 2, TextWordBreak), (Size{word, 3 * h}));
    EXPECT_EQ(MeasureText("abort abort", 2 * word + TextWidth(" "), TextWordBreak).height, h);
    EXPECT_EQ(MeasureText("unbreakable", 5, TextWordBreak), (Size{TextWidth("unbreakable"), h}))
        << "a word wider than the rectangle keeps its line";
}

TEST(Text, VerticalPlacement) {
    const int h = TextLineHeight();
    Canvas top(40, 40), middle(40, 40), bottom(40, 40);
    const Box t = BoxOf(Write(top, "Ag", {0, 0, 40, 40}, TextLeft));
    const Box m = BoxOf(Write(middle, "Ag", {0, 0, 40, 40}, TextVCentre));
    const Box b = BoxOf(Write(bottom, "Ag", {0, 0, 40, 40}, TextBottom));
    EXPECT_EQ(m.top - t.top, (40 - h) / 2);
    EXPECT_EQ(b.top - t.top, 40 - h);
}

TEST(Text, Latin1AccentsAndReplacement) {
    Canvas e(30, 20), accented(30, 20), euro(30, 20), question(30, 20), broken(30, 20);
    Write(e, "e", {0, 0, 30, 20}, 0);
    Write(accented, "é", {0, 0, 30, 20}, 0);
    EXPECT_NE(e.PixelsOf(Ink), accented.PixelsOf(Ink));
    EXPECT_EQ(TextWidth("é"), TextWidth("\xC3\xA9"));
    EXPECT_EQ(TextWidth("Français"), TextWidth("Fran") + TextWidth("ç") + TextWidth("ais"));
    Write(euro, "€", {0, 0, 30, 20}, 0);
    Write(question, "?", {0, 0, 30, 20}, 0);
    Write(broken, "\xC3", {0, 0, 30, 20}, 0);
    EXPECT_EQ(euro.PixelsOf(Ink), question.PixelsOf(Ink)) << "beyond Latin-1";
    EXPECT_EQ(broken.PixelsOf(Ink), question.PixelsOf(Ink)) << "a cut sequence";
    EXPECT_EQ(TextWidth("\xE9t\xE9"), 2 * TextWidth("?") + TextWidth("t"))
        << "lone Latin-1 bytes are not UTF-8";
}

TEST(Text, OpaqueModeFillsEachLinesBox) {
    Canvas canvas(80, 40, RGB(9, 9, 9));
    canvas.dc.SetTextColor(Ink);
    canvas.dc.SetBkColor(RGB(255, 0, 0));
    canvas.dc.SetBkMode(BkMode::Opaque);
    EXPECT_EQ(DrawText(canvas.dc, "Hint\r\nOK", {10, 5, 70, 35}, TextRight), 2 * TextLineHeight());
    const Box red = BoxOf(Union(canvas.PixelsOf(RGB(255, 0, 0)), canvas.PixelsOf(Ink)));
    EXPECT_EQ(red.right, 69);
    EXPECT_EQ(red.left, 70 - std::max(TextWidth("Hint"), TextWidth("OK")));
    EXPECT_EQ(red.top, 5);
    EXPECT_EQ(red.bottom, 4 + 2 * TextLineHeight());
}

}  // namespace
}  // namespace velinor
