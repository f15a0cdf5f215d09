// A multi-line edit as the eye meets it: whole lines only, at every place the stylus can scroll
// it to, and no glyph cut at any edge.
#include <gtest/gtest.h>

#include <string>

#include "platform/window/controls.h"
#include "tests/platform/gdi/canvas.h"

namespace velinor {
namespace {

using test::Canvas;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// The text lies 2 pixels inside the frame, and the scroll thumb with a pixel of paper before it
// takes 2 more on the right; 4 lines of any font from 12 to 15 pixels fit the 61 rows left.
constexpr Rect EditRect{10, 10, 110, 75};
constexpr Rect TextArea{12, 12, 106, 73};

// Two words that share a line of the frame's whole width but not one beside the thumb.
std::string WrappedByTheThumb() {
    for (int m = 1; m < 20; ++m) {
        for (int l = 1; l < 40; ++l) {
            const std::string first(m, 'm'), second(l, 'l');
            const int width = TextWidth(first + " " + second);
            if (width > TextArea.Width() && width <= TextArea.Width() + 2 &&
                TextWidth(first) <= TextArea.Width() && TextWidth(second) <= TextArea.Width())
                return first + " " + second;
        }
    }
    return {};
}

TEST(MultiLineEdit, ShowsWholeLinesUncutAtEveryScroll) {
    const std::string wrapped = WrappedByTheThumb();
    ASSERT_FALSE(wrapped.empty());
    Control edit{.id = 1,
                 .kind = ControlKind::Edit,
                 .style = ES_MULTILINE,
                 .rect = EditRect,
                 .text = "Jiffy fjords yield quirky\r\nwaffles; a jug of gravy,\r\n" + wrapped +
                         "\r\nWolf's jaw: \"j\", \"f\" and \"y\" overhang. Ça fait déjà l'été.\r\n"
                         "Quick lynx, big fox; then jolly yaks."};
    const int line = TextLineHeight();
    const int shown = TextArea.Height() / line;
    // The whole text unclipped, as the control should show it unscrolled.
    Canvas whole(EditRect.right, 400, White);
    whole.dc.SetBkMode(BkMode::Transparent);
    DrawText(whole.dc, edit.text, {TextArea.left, TextArea.top, TextArea.right, 400},
             TextWordBreak | TextNoClip);
    const int lines = MeasureText(edit.text, TextArea.Width(), TextWordBreak).height / line;
    ASSERT_GT(lines, shown + 2);
    EXPECT_EQ(MaxScroll(edit), (Point{0, (lines - shown) * line}));

    for (int wanted = -line; wanted <= (lines - shown + 1) * line; ++wanted) {
        edit.scroll = ClampScroll(edit, {5, wanted});
        const int expected = std::clamp((wanted + line / 2) / line, 0, lines - shown) * line;
        ASSERT_EQ(edit.scroll, (Point{0, expected})) << wanted;
        Canvas canvas(EditRect.right, EditRect.bottom, White);
        DrawControl(canvas.dc, edit);
        // Inside the frame the ink is exactly that of the lines in view, each whole.
        for (int y = EditRect.top + 1; y < EditRect.bottom - 1; ++y) {
            const bool inView = y >= TextArea.top && y < TextArea.top + shown * line;
            for (int x = EditRect.left + 1; x < EditRect.right - 1; ++x) {
                ASSERT_EQ(canvas.At(x, y) == Black,
                          inView && whole.At(x, y + edit.scroll.y) == Black)
                    << "scroll " << edit.scroll.y << " at " << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace velinor
