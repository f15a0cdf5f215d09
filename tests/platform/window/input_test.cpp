// The stylus and the keys: double taps, moves while touching, where each message goes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/window/message_box.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

using Log = std::vector<std::string>;

struct Stylus : test::ShellTest {
    // The frame's log without its paints.
    Log Input() const {
        Log input;
        for (const std::string& line : frame->log) {
            if (line != "paint") input.push_back(line);
        }
        return input;
    }
};

TEST_F(Stylus, ASecondTapSoonAndNearArrivesAsADoubleTap) {
    driver.Tap(100, 100);
    driver.Wait(500);
    driver.Tap(104, 96);
    EXPECT_EQ(Input(), (Log{"down 100,100", "up 100,100", "double 104,96", "up 104,96"}));
}

TEST_F(Stylus, TooLateOrTooFarIsAPress) {
    driver.Tap(100, 100);
    driver.Wait(501);
    driver.Tap(100, 100);
    driver.Wait(100);
    driver.Tap(105, 100);
    EXPECT_EQ(Input(), (Log{"down 100,100", "up 100,100", "down 100,100", "up 100,100",
                            "down 105,100", "up 105,100"}));
}

TEST_F(Stylus, MovesArriveOnlyWhileTouchingAndFollowThePressedWindow) {
    driver.Move(10, 10);
    const Point path[] = {{50, 50}, {60, 50}, {60, -20}, {300, 400}};
    driver.Drag(path);
    // Past the client area the window still gets the moves, held to the screen's edges.
    EXPECT_EQ(Input(),
              (Log{"down 50,50", "move 60,50", "move 60,-20", "move 239,293", "up 239,293"}));
}

TEST_F(Stylus, TheCommandBarKeepsItsPressesFromTheFrame) {
    driver.Tap(235, -10);  // the bar, beside its buttons
    EXPECT_TRUE(Input().empty());
}

TEST_F(Stylus, AModalBoxTakesTheStylusFromTheFrame) {
    driver.AnswerNext([&](CDialog& box) {
        driver.Tap(5, 280);  // outside the box: nothing reaches the frame
        Rect r = box.WindowRect();
        driver.Tap(r.left + 2, r.top + 2 - CommandBarHeight);  // the box's caption: nothing
        EXPECT_TRUE(box.InModal());
        driver.Key(VK_RETURN);
    });
    driver.Command(40003);
    EXPECT_EQ(frame->boxResult, IDOK);
    EXPECT_TRUE(Input().empty());
    driver.Tap(5, 280);
    EXPECT_EQ(Input(), (Log{"down 5,280", "up 5,280"}));
}

TEST_F(Stylus, BoxesAnswerEnterAndEscapeAsTheirButtons) {
    struct Case {
        unsigned type;
        uint32_t key;
        int result;
    };
    for (Case c : {Case{MB_OKCANCEL, VK_RETURN, IDOK}, Case{MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
                   Case{MB_OK, VK_ESCAPE, IDOK}}) {
        driver.AnswerNext([&](CDialog&) { driver.Key(c.key); });
        EXPECT_EQ(frame->MessageBox("Text", "Caption", c.type), c.result) << c.key;
    }
}

TEST_F(Stylus, TheBoxButtonsAnswerWhenTappedNotWhenTheStylusSlidesOff) {
    driver.AnswerNext([&](CDialog& box) {
        const Control* cancel = box.FindControl(IDCANCEL);
        ASSERT_NE(cancel, nullptr);
        Point origin = box.ScreenToClient({0, 0});
        int x = cancel->rect.left + 5 - origin.x;
        int y = cancel->rect.top + 5 - origin.y - CommandBarHeight;
        driver.Press(x, y);
        driver.Move(x, y + 100);
        driver.Release(x, y + 100);
        EXPECT_TRUE(box.InModal());
        driver.Tap(x, y);
    });
    EXPECT_EQ(frame->MessageBox("Abort?", "Warning", MB_OKCANCEL), IDCANCEL);
}

}  // namespace
}  // namespace velinor
