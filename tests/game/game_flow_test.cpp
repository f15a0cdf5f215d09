// The opening animation: what it repaints, and the press that ends it.
#include <gtest/gtest.h>

#include <numeric>
#include <span>

#include "platform/window/update_region.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

class GameFlow : public GameFixture {
  protected:
    // The animation of start-up runs on; each paint of the main window is noted by its bounds.
    void SetUp() override {
        driver.System().SetPaintObserver([this](const CWnd& window, std::span<const Rect> r) {
            if (&window == frame)
                paints.push_back(std::accumulate(r.begin(), r.end(), r[0], Union));
        });
    }
    std::vector<Rect> paints;
};

TEST_F(GameFlow, OpeningAnimationRepaintsItsAreasUntilItEnds) {
    const Rect client{0, 0, ScreenWidth, ScreenHeight - CommandBarHeight};
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
        paints.clear();
        driver.Wait(IntroTimerPeriod);
        ASSERT_EQ(paints.size(), 1u);
        EXPECT_EQ(paints[0], tick.area) << tick.introFrame;
    }
    // A tick at 5000 ms is the last frame; the next one ends the animation and repaints the game.
    driver.JumpClock(IntroLength - 4 * IntroTimerPeriod);
    EXPECT_NE(state.introStart, 0u);
    driver.Wait(IntroTimerPeriod);
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(paints.back(), client);
    EXPECT_FALSE(TimerRunning());
}

TEST_F(GameFlow, PressOrDoubleTapDuringTheAnimationOnlyEndsIt) {
    board.player[CellIndex(1, 1)] = -24;  // a piece a double tap would erase
    Tap({1, 1});
    EXPECT_FALSE(TimerRunning());
    state.introStart = driver.Now();  // the animation again for the second press of a double tap
    Press({1, 1});
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(PlayerAt(1, 1), -24);
    // The moves after it are the game's, going on from the pressed cell.
    Move({2, 1});
    Move({3, 1});
    EXPECT_EQ(state.eventCount, 2u);
    EXPECT_EQ(PlayerAt(2, 1), -24);
}

}  // namespace
}  // namespace velinor::test
