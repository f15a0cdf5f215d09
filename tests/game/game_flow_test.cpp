// The opening animation: what it repaints, and the press that ends it.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

using GameFlow = GameFixture;

TEST_F(GameFlow, OpeningAnimationRepaintsItsAreasUntilItEnds) {
    const Rect client{0, 0, ScreenWidth, ScreenHeight - CommandBarHeight};
    frame.StartIntro();
    // Painting moves the frame counter on; here the test does.
    struct Tick {
        int16_t introFrame;
        uint16_t captionPending;
        Rect area;
    };
    for (const Tick& tick : {Tick{1, 0, client}, Tick{2, 0, AnimRect},
                             Tick{42, 1, {0, 80, 240, 220}}, Tick{43, 0, AnimRect}}) {
        state.introFrame = tick.introFrame;
        state.captionPending = tick.captionPending;
        frame.paints.clear();
        driver.Wait(IntroTimerPeriod);
        ASSERT_EQ(frame.paints.size(), 1u);
        EXPECT_EQ(frame.paints[0], tick.area) << tick.introFrame;
    }
    // A tick at 5000 ms is the last frame; the next one ends the animation and repaints the game.
    driver.JumpClock(IntroLength - 4 * IntroTimerPeriod);
    EXPECT_NE(state.introStart, 0u);
    driver.Wait(IntroTimerPeriod);
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(frame.paints.back(), client);
    EXPECT_FALSE(TimerRunning());
}

TEST_F(GameFlow, PressOrDoubleTapDuringTheAnimationOnlyEndsIt) {
    board.player[CellIndex(1, 1)] = -24;  // a piece a double tap would erase
    frame.StartIntro();
    Tap({1, 1});
    frame.StartIntro();
    Press({1, 1});  // the second press of a double tap on the current cell
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(PlayerAt(1, 1), -24);
    EXPECT_FALSE(TimerRunning());
    // The moves after it are the game's, going on from the pressed cell.
    Move({2, 1});
    Move({3, 1});
    EXPECT_EQ(state.eventCount, 2u);
    EXPECT_EQ(PlayerAt(2, 1), -24);
}

}  // namespace
}  // namespace velinor::test
