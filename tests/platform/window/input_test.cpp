// The stylus and the keys: double taps, moves while touching, where each message goes.
#include <tuple>

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/window/message_box.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

using Stylus = test::ShellTest<HeadlessDriver>;
using test::Log;

TEST_F(Stylus, TooLateOrTooFarIsAPressAndSoonAndNearADoubleTap) {
    driver.Tap(100, 100);
    driver.Wait(501);
    driver.Tap(100, 100);
    driver.Wait(100);
    driver.Tap(105, 100);
    driver.Wait(500);
    driver.Tap(109, 96);
    EXPECT_EQ(frame->Input(), (Log{"down 100,100", "up 100,100", "down 100,100", "up 100,100",
                                   "down 105,100", "up 105,100", "double 109,96", "up 109,96"}));
}

TEST_F(Stylus, MovesArriveOnlyWhileTouchingAndFollowThePressedWindow) {
    driver.Move(10, 10);
    driver.Tap(235, -10);  // the command bar, beside its buttons, keeps its presses
    const Point path[] = {{50, 50}, {60, 50}, {60, -20}, {300, 400}};
    driver.Drag(path);
    // Past the client area the window still gets the moves, held to the screen's edges.
    EXPECT_EQ(frame->Input(),
              (Log{"down 50,50", "move 60,50", "move 60,-20", "move 239,293", "up 239,293"}));
}

TEST_F(Stylus, AModalBoxTakesTheStylusAndItsButtonsAnswerOnlyWhenTapped) {
    driver.AnswerNext([&](CDialog& box) {
        driver.Tap(5, 280);  // outside the box: nothing reaches the frame
        const Rect r = box.WindowRect();
        driver.Tap(r.left + 2, r.top + 2 - CommandBarHeight);  // the box's caption: nothing
        const Control* cancel = box.FindControl(IDCANCEL);
        ASSERT_NE(cancel, nullptr);
        const Point origin = box.ScreenToClient({0, 0});
        const int x = cancel->rect.left + 5 - origin.x;
        const int y = cancel->rect.top + 5 - origin.y - CommandBarHeight;
        driver.Press(x, y);
        driver.Move(x, y + 100);
        driver.Release(x, y + 100);  // slid off: no answer
        EXPECT_TRUE(box.InModal());
        driver.Tap(x, y);
    });
    EXPECT_EQ(frame->MessageBox("Abort?", "Warning", MB_OKCANCEL), IDCANCEL);
    EXPECT_TRUE(frame->Input().empty());
    driver.Tap(5, 280);
    EXPECT_EQ(frame->Input(), (Log{"down 5,280", "up 5,280"}));
}

TEST_F(Stylus, BoxesAnswerEnterAndEscapeAsTheirButtons) {
    using Case = std::tuple<unsigned, uint32_t, int>;  // box type, key, answer
    for (const auto& [type, key, answer] :
         {Case{MB_OKCANCEL, VK_RETURN, IDOK}, Case{MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
          Case{MB_OK, VK_ESCAPE, IDOK}}) {
        driver.AnswerNext([&](CDialog&) { driver.Key(key); });
        EXPECT_EQ(frame->MessageBox("Text", "Caption", type), answer) << key;
    }
}

}  // namespace
}  // namespace velinor
