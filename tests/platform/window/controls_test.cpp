// A multi-line edit scrolls by whole lines only, up to the last full page.
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/window/controls.h"

namespace velinor {
namespace {

TEST(MultiLineEdit, ScrollsToTheNearestWholeLineWithinTheText) {
    // The text lies 2 pixels inside the frame and the scroll thumb takes 2 more on the right:
    // 61 rows are left, whole lines of them shown.
    const Control edit{.id = 1,
                       .kind = ControlKind::Edit,
                       .style = ES_MULTILINE,
                       .rect = {10, 10, 110, 75},
                       .text = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10"};
    const int line = TextLineHeight();
    const int most = (10 - 61 / line) * line;
    EXPECT_EQ(MaxScroll(edit), (Point{0, most}));
    const int half = line - line / 2;  // at least half a line: the next line
    for (const auto& [wanted, expected] : {std::pair{-line, 0},
                                           {half - 1, 0},
                                           {half, line},
                                           {2 * line + half - 1, 2 * line},
                                           {most - 1, most},
                                           {most + line, most}})
        EXPECT_EQ(ClampScroll(edit, {5, wanted}), (Point{0, expected})) << wanted;
}

}  // namespace
}  // namespace velinor
