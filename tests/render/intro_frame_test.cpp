// The opening animation's frames on a test main window: the buffer frame by frame, and whole
// runs through the headless driver with the screen read back.
#include <gtest/gtest.h>

#include "platform/random/random.h"
#include "platform/resources/resources.h"
#include "tests/render/pixel_checks.h"

namespace velinor::test {
namespace {

class IntroFrames : public ::testing::Test {
  protected:
    // Start-up's paints: the first left pending, the set-up frame straight after it.
    IntroFrames() {
        rig.StartWithIntro();
        SeedRandom(41);
        rig.driver.Wait(0);
    }
    ~IntroFrames() override {
        for (int id : {119, 120, 134})
            SetBitmapLoadFails(id, false);
    }

    // The animation frame of step f, painted at once over the whole window.
    void PaintAt(uint32_t f) {
        state.introStart = rig.driver.Now() - f * IntroTimerPeriod;
        rig.frame.Invalidate(false);
        rig.frame.UpdateWindow();
    }
    int Titled() {
        return CountIn(buffer, CaptionRect, [](COLORREF c) { return c == Green; });
    }
    PaintRig rig;
    GameState& state{rig.state};
    const Bitmap& buffer{rig.offscreen.image};
};

TEST_F(IntroFrames, TheFirstRequestIsLeftPendingAndTheSetUpFrameFollowsAtOnce) {
    const Bitmap before = rig.Window();
    state.introFrame = 0;
    PaintAt(0);
    EXPECT_EQ(state.introFrame, 1);
    EXPECT_TRUE(rig.frame.NeedsPaint());
    EXPECT_TRUE(SameIn(rig.Window(), before, WholeWindow));
    rig.driver.Wait(0);
    EXPECT_EQ(state.introFrame, 2);
    EXPECT_FALSE(rig.frame.NeedsPaint());
    // Past frame 2000 nothing is drawn, and the paint is answered.
    state.introFrame = 2000;
    PaintAt(20);
    EXPECT_EQ(state.introFrame, 2001);
    EXPECT_FALSE(rig.frame.NeedsPaint());
    EXPECT_TRUE(SameIn(rig.Window(), before, WholeWindow));
}

// Where the title, sparkle and ground land is pinned by the golden intro screens; these are the
// steps and missing images those screens never meet.
TEST_F(IntroFrames, TheTitleIsDueAtStep42AndDrawnOnceOnTheNextFrameEvenIfItFails) {
    PaintAt(42);
    EXPECT_EQ(state.captionPending, 1);
    EXPECT_EQ(Titled(), 0);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_GT(Titled(), 0);
    PaintAt(44);
    EXPECT_EQ(Titled(), 0);

    SetBitmapLoadFails(134, true);
    PaintAt(42);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_EQ(Titled(), 0);
}

TEST_F(IntroFrames, WithoutItsImagesTheBandIsBareAndTheSparkleLeftOut) {
    for (int id : {119, 120})
        SetBitmapLoadFails(id, true);
    // Only star 0 shows, under where the sparkle would be at its largest; the others stand
    // outside the buffer.
    rig.frame.scene.Stars.fill({-10, -10, 255});
    rig.frame.scene.Stars[0] = {85, 70, 255};
    PaintAt(4);
    EXPECT_EQ(CountIn(buffer, {0, 0, 240, AnimRect.top}, NotBlack), 5);
    PaintAt(36);  // s 180: the whole band, outlined in pen (93, 18, 118)
    const COLORREF pen = RGB(93, 18, 118), bare = RGB(34, 8, 52);
    EXPECT_EQ(At(buffer, 85, 113), pen);
    const int filled = CountIn(buffer, AnimRect, [&](COLORREF c) { return c == bare; });
    EXPECT_GT(filled, 400);
    EXPECT_EQ(CountIn(buffer, AnimRect, [&](COLORREF c) { return c != Black && c != pen; }),
              filled);
}

TEST_F(IntroFrames, ARunThatSkipsStep42NeverShowsTheTitle) {
    rig.driver.Wait(41 * 60);
    rig.driver.JumpClock(2 * 60);  // two timer steps in one paint, at step 43
    rig.driver.Wait(10 * 60);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_EQ(CountIn(rig.Window(), CaptionRect, NotBlack), 0);
}

TEST_F(IntroFrames, ATapAtOneSecondEndsItAtOnce) {
    rig.driver.Wait(1000);
    rig.driver.Tap(120, 150);
    // A fresh full paint changes nothing: the game took the whole window over.
    EXPECT_EQ(state.introStart, 0u);
    const Bitmap before = rig.Window();
    rig.frame.Invalidate(false);
    rig.frame.UpdateWindow();
    EXPECT_TRUE(SameIn(rig.Window(), before, WholeWindow));
    EXPECT_EQ(CountIn(before, {25, 30, 225, 48}, [](COLORREF c) { return c == Magenta; }), 0);
}

}  // namespace
}  // namespace velinor::test
