// The opening animation's frames on a test main window: the buffer frame by frame, and whole
// runs through the headless driver with the screen read back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/resources/resources.h"
#include "tests/render/pixel_checks.h"
#include "tests/support/seeded_draws.h"

namespace velinor::test {
namespace {

constexpr uint64_t Seed = 41;
constexpr COLORREF Purple = RGB(200, 0, 200);

bool NotBlack(COLORREF c) {
    return c != Black;
}
int Changed(const Bitmap& a, const Bitmap& b, const Rect& area = WholeWindow) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += At(a, x, y) != At(b, x, y) ? 1 : 0;
    return count;
}

// A 1-bit banner copied `width` wide to `place`: set pixels black, clear ones in `colour`.
::testing::AssertionResult ShowsBanner(const Bitmap& shown, int id, Point place, int width,
                                       COLORREF colour) {
    const Rect to{place.x, place.y, place.x + width, place.y + LoadBitmap(id)->Height()};
    return BannerShows(shown, id, to, 0, colour, Black);
}

class IntroFrames : public ::testing::Test {
  protected:
    // Start-up's paints: the first left pending, the set-up frame straight after it.
    IntroFrames() {
        rig.StartWithIntro();
        SeedRandom(Seed);
        rig.driver.Wait(0);
    }
    ~IntroFrames() override {
        for (int id : {119, 120, 134})
            SetBitmapLoadFails(id, false);
    }

    // The client area as the screen shows it now.
    Bitmap Shot() {
        Bitmap shot = CreateCompatibleBitmap(240, 294);
        DC dc(&shot);
        BitBlt(dc, 0, 0, 240, 294, rig.driver.Screen(), 0, CommandBarHeight, Rop::SrcCopy);
        return shot;
    }
    // The animation frame of step f, painted at once over the whole window.
    void PaintAt(uint32_t f) {
        state.introStart = rig.driver.Now() - f * IntroTimerPeriod;
        rig.frame.Invalidate(false);
        rig.frame.UpdateWindow();
    }
    // Only star 0 shows; the others stand outside the buffer.
    void OnlyStar(int x, int y, uint16_t brightness) {
        rig.frame.scene.Stars.fill({-10, -10, 255});
        rig.frame.scene.Stars[0] = {x, y, brightness};
    }
    int Titled() {
        return CountIn(buffer, CaptionRect, [](COLORREF c) { return c == Green; });
    }
    // A fresh full paint of the game changes nothing: the game took the whole window over.
    void ExpectGamePaintedInFull() {
        EXPECT_EQ(state.introStart, 0u);
        const Bitmap before = Shot();
        rig.frame.Invalidate(false);
        rig.frame.UpdateWindow();
        EXPECT_EQ(Changed(before, Shot()), 0);
        EXPECT_EQ(CountIn(before, {25, 30, 225, 48}, [](COLORREF c) { return c == Purple; }), 0);
    }

    PaintRig rig;
    GameState& state{rig.state};
    const Bitmap& buffer{rig.offscreen.image};
};

TEST_F(IntroFrames, TheFirstRequestIsLeftPendingAndTheSetUpFrameFollowsAtOnce) {
    const Bitmap before = Shot();
    state.introFrame = 0;
    PaintAt(0);
    EXPECT_EQ(state.introFrame, 1);
    EXPECT_TRUE(rig.frame.NeedsPaint());
    EXPECT_EQ(Changed(before, Shot()), 0);
    rig.driver.Wait(0);
    EXPECT_EQ(state.introFrame, 2);
    EXPECT_FALSE(rig.frame.NeedsPaint());
    // Past frame 2000 nothing is drawn, and the paint is answered.
    state.introFrame = 2000;
    PaintAt(20);
    EXPECT_EQ(state.introFrame, 2001);
    EXPECT_FALSE(rig.frame.NeedsPaint());
    EXPECT_EQ(Changed(before, Shot()), 0);
}

TEST_F(IntroFrames, TheSetUpFrameWritesCreditAndAddressAndMakesTheTables) {
    const Bitmap shown = Shot();
    EXPECT_TRUE(ShowsBanner(shown, 118, {25, 30}, 200, Purple));
    // One yellow line at the top of (0, 240, 240, 270), centred: as many columns each side, give
    // or take the side bearings of its first and last letters.
    auto yellow = [](COLORREF c) { return c == Yellow; };
    const int lines = 240 + TextLineHeight();
    EXPECT_EQ(CountIn(shown, WholeWindow, yellow), CountIn(shown, {0, 240, 240, lines}, yellow));
    int left = 0, right = 239;
    while (CountIn(shown, {left, 240, left + 1, lines}, yellow) == 0)
        ++left;
    while (CountIn(shown, {right, 240, right + 1, lines}, yellow) == 0)
        --right;
    EXPECT_LE(std::abs(left - (239 - right)), 2);
    EXPECT_GT(right - left, 40);
    // No stars, ring or sparkle yet; three draws per star, for x, y and brightness.
    EXPECT_EQ(CountIn(shown, AnimRect, NotBlack), 0);
    for (int i : {0, 1, 99}) {
        const Star& star = rig.frame.scene.Stars[i];
        EXPECT_EQ(star.x, static_cast<int32_t>(DrawAfterSeed(Seed, 3 * i) % 240));
        EXPECT_EQ(star.y, 80 + static_cast<int32_t>(DrawAfterSeed(Seed, 3 * i + 1) % 100));
        EXPECT_EQ(star.brightness, DrawAfterSeed(Seed, 3 * i + 2) & 255);
    }
    EXPECT_EQ(rig.frame.scene.depthScale, 20000.0 / 1650.0);
}

TEST_F(IntroFrames, AStarIsFivePixelsShadedByItsBrightness) {
    OnlyStar(50, 100, 200);
    PaintAt(1);
    // 200 k / 128, truncated, for the k of each pixel and component.
    EXPECT_EQ(At(buffer, 49, 100), RGB(81, 79, 93));
    EXPECT_EQ(At(buffer, 50, 99), RGB(79, 71, 92));
    EXPECT_EQ(At(buffer, 50, 100), RGB(118, 115, 131));
    EXPECT_EQ(At(buffer, 50, 101), RGB(39, 32, 48));
    EXPECT_EQ(At(buffer, 51, 100), RGB(45, 43, 57));
    EXPECT_EQ(CountIn(buffer, AnimRect, NotBlack), 5);
}

TEST_F(IntroFrames, TheTitleIsDueAtStep42AndDrawnOnceOnTheNextFrameEvenIfItFails) {
    PaintAt(42);
    EXPECT_EQ(state.captionPending, 1);
    EXPECT_EQ(Titled(), 0);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_TRUE(ShowsBanner(buffer, 134, {90, 200}, 90, Green));
    PaintAt(44);
    EXPECT_EQ(Titled(), 0);

    SetBitmapLoadFails(134, true);
    PaintAt(42);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_EQ(Titled(), 0);
}

TEST_F(IntroFrames, TheBandIsFilledWithTheGroundTextureTiledFromTheBuffersOrigin) {
    OnlyStar(-10, -10, 0);
    SetBitmapLoadFails(119, true);  // no sparkle over the ring's far side
    const std::optional<Bitmap> ground = LoadBitmap(120);
    ASSERT_TRUE(ground);
    PaintAt(36);  // s 180: the whole band, pen (93, 18, 118)
    const COLORREF pen = RGB(93, 18, 118);
    EXPECT_EQ(At(buffer, 85, 113), pen);  // A_0 on the outline
    int textured = 0;
    for (int y = 0; y < 294; ++y)
        for (int x = 0; x < 240; ++x) {
            const COLORREF c = At(buffer, x, y);
            ASSERT_TRUE(c == Black || c == pen || c == At(*ground, x % 240, y % 100))
                << x << ", " << y;
            textured += c != Black && c != pen ? 1 : 0;
        }
    EXPECT_GT(textured, 400);

    // Without its texture the band is dark purple.
    SetBitmapLoadFails(120, true);
    PaintAt(36);
    const COLORREF bare = RGB(34, 8, 52);
    EXPECT_EQ(CountIn(buffer, AnimRect, [&](COLORREF c) { return c != Black && c != pen; }),
              CountIn(buffer, AnimRect, [&](COLORREF c) { return c == bare; }));
    EXPECT_GE(CountIn(buffer, AnimRect, [&](COLORREF c) { return c == bare; }), textured);
}

TEST_F(IntroFrames, TheSparkleIsStretchedOntoTheSceneByOr) {
    const std::optional<Bitmap> sparkle = LoadBitmap(119);
    ASSERT_TRUE(sparkle);
    // Half-side 60 at step 4: 70 x 70 onto 120 x 120 at (25, 54); destination pixel i samples
    // source pixel (2i + 1) * 70 / 240.
    auto source = [&](int x, int y) {
        return At(*sparkle, (2 * (x - 25) + 1) * 70 / 240, (2 * (y - 54) + 1) * 70 / 240);
    };
    OnlyStar(85, 70, 255);
    PaintAt(4);
    // Above the animation's area there is only the sparkle, and the star under it.
    for (int y = 53; y < 80; ++y)
        for (int x = 24; x <= 145; ++x) {
            if (std::abs(x - 85) + std::abs(y - 70) <= 1) continue;  // the star
            const bool square = x >= 25 && x < 145 && y >= 54;
            ASSERT_EQ(At(buffer, x, y), square ? source(x, y) : Black) << x << ", " << y;
        }
    ASSERT_NE(source(85, 70), Black);
    EXPECT_EQ(At(buffer, 85, 70), RGB(151, 147, 167) | source(85, 70));

    SetBitmapLoadFails(119, true);
    PaintAt(4);
    EXPECT_EQ(CountIn(buffer, {0, 0, 240, 80}, NotBlack), 5);
}

TEST_F(IntroFrames, AWholeRunKeepsWhatOnlyTheSetUpWroteAndEndsWithTheGame) {
    const Bitmap setUp = Shot();
    rig.driver.Wait(1000);  // step 16: every frame starts black, but only AnimRect is shown
    const Bitmap shown = Shot();
    EXPECT_EQ(Changed(shown, setUp, {0, 0, 240, AnimRect.top}), 0);
    EXPECT_EQ(Changed(shown, setUp, {0, AnimRect.bottom, 240, 294}), 0);
    EXPECT_EQ(Changed(shown, buffer, AnimRect), 0);
    EXPECT_GT(Changed(shown, setUp, AnimRect), 5);

    rig.driver.Wait(44 * 60 - 1000);  // one frame past the title's
    EXPECT_EQ(Titled(), 0);
    EXPECT_TRUE(ShowsBanner(Shot(), 134, {90, 200}, 90, Green));
    EXPECT_TRUE(ShowsBanner(Shot(), 118, {25, 30}, 200, Purple));
    rig.driver.Wait(5000 - 44 * 60);
    EXPECT_NE(state.introStart, 0u);  // the last step, at 4980 ms
    rig.driver.Wait(60);
    ExpectGamePaintedInFull();
}

TEST_F(IntroFrames, ARunThatSkipsStep42NeverShowsTheTitle) {
    rig.driver.Wait(41 * 60);
    rig.driver.JumpClock(2 * 60);  // two timer steps in one paint, at step 43
    rig.driver.Wait(10 * 60);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_EQ(CountIn(Shot(), CaptionRect, NotBlack), 0);
}

TEST_F(IntroFrames, ATapAtOneSecondEndsItAtOnce) {
    rig.driver.Wait(1000);
    rig.driver.Tap(120, 150);
    ExpectGamePaintedInFull();
}

}  // namespace
}  // namespace velinor::test
