// The opening animation's frames on a test main window: the buffer's pixels frame by frame, and
// whole runs through the headless driver with the screen read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <optional>

#include "platform/gdi/gdi.h"
#include "platform/resources/resources.h"
#include "tests/render/paint_test_frame.h"
#include "tests/support/seeded_draws.h"

namespace velinor {
namespace {

constexpr uint64_t Seed = 41;
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Purple = RGB(200, 0, 200);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr COLORREF Green = RGB(0, 255, 0);

using PixelAt = std::function<COLORREF(int, int)>;

// A 1-bit banner copied `width` wide to `place`: its set pixels black, its clear ones in
// `colour`; the columns past the image keep the black of the cleared buffer.
void ExpectBanner(const PixelAt& at, int id, Point place, int width, COLORREF colour) {
    const std::optional<Bitmap> image = LoadBitmap(id);
    ASSERT_TRUE(image);
    for (int y = 0; y < image->Height(); ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF expected =
                x < image->Width() && image->Value(x, y) == 0 ? colour : Black;
            ASSERT_EQ(at(place.x + x, place.y + y), expected) << id << " at " << x << ", " << y;
        }
    EXPECT_EQ(at(place.x - 1, place.y), Black);
    EXPECT_EQ(at(place.x, place.y + image->Height()), Black);
}

void ExpectSameShot(const Bitmap& before, const Bitmap& after) {
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x)
            ASSERT_EQ(before.Value(x, y), after.Value(x, y)) << x << ", " << y;
}

class IntroFrames : public ::testing::Test {
  protected:
    // Start-up's paints: the first one left pending, the set-up frame straight after it.
    IntroFrames() {
        SeedRandom(Seed);
        run.driver.Wait(0);
    }
    ~IntroFrames() override {
        for (int id : {119, 120, 134})
            SetBitmapLoadFails(id, false);
    }

    COLORREF BufferAt(int x, int y) { return GetPixel(frame.offscreen.buffer, x, y); }
    COLORREF ScreenAt(int x, int y) { return run.driver.ReadPixel(x, y); }
    PixelAt Buffer() {
        return [this](int x, int y) { return BufferAt(x, y); };
    }
    PixelAt Screen() {
        return [this](int x, int y) { return ScreenAt(x, y); };
    }
    // The client area as the screen shows it now.
    Bitmap Shot() {
        Bitmap shot = CreateCompatibleBitmap(240, 294);
        DC dc(&shot);
        BitBlt(dc, 0, 0, 240, 294, run.driver.Screen(), 0, CommandBarHeight, Rop::SrcCopy);
        return shot;
    }
    int CountIn(const Rect& area, const std::function<bool(COLORREF)>& wanted) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += wanted(BufferAt(x, y)) ? 1 : 0;
        return count;
    }

    // The animation frame of step f, painted at once over the whole window.
    void PaintAt(uint32_t f) {
        state.introStart = run.driver.Now() - f * IntroTimerPeriod;
        frame.Invalidate(false);
        frame.UpdateWindow();
    }
    // Only star 0 shows; the others stand outside the buffer.
    void OnlyStar(int x, int y, uint16_t brightness) {
        for (Star& star : frame.scene.Stars)
            star = {-10, -10, 255};
        frame.scene.Stars[0] = {x, y, brightness};
    }

    // The game was painted over the whole window: a fresh full paint changes nothing on the
    // screen, and nothing of the animation is left.
    void ExpectGamePaintedInFull() {
        EXPECT_EQ(state.introStart, 0u);
        const Bitmap before = Shot();
        frame.Invalidate(false);
        frame.UpdateWindow();
        ExpectSameShot(before, Shot());
        for (int y = 30; y < 48; ++y)
            for (int x = 25; x < 225; ++x)
                ASSERT_NE(ScreenAt(x, y), Purple) << x << ", " << y;
    }

    test::PaintedGame run;
    GameState& state{run.state};
    test::PaintTestFrame& frame{run.frame};
};

TEST_F(IntroFrames, TheFirstRequestIsLeftPendingAndTheSetUpFrameFollowsAtOnce) {
    const Bitmap before = Shot();
    state.introFrame = 0;
    frame.Invalidate(false);
    frame.UpdateWindow();
    EXPECT_EQ(state.introFrame, 1);
    EXPECT_TRUE(frame.NeedsPaint());
    ExpectSameShot(before, Shot());
    run.driver.Wait(0);
    EXPECT_EQ(state.introFrame, 2);
    EXPECT_FALSE(frame.NeedsPaint());
}

TEST_F(IntroFrames, TheSetUpFrameWritesCreditAndAddressAndMakesTheTables) {
    EXPECT_EQ(state.introFrame, 2);
    ExpectBanner(Screen(), 118, {25, 30}, 200, Purple);
    // The address: one yellow line centred at the top of (0, 240, 240, 270), nothing else yellow.
    Rect yellow{240, 320, 0, 0};
    for (int y = 0; y < 294; ++y)
        for (int x = 0; x < 240; ++x)
            if (ScreenAt(x, y) == Yellow)
                yellow = {std::min(yellow.left, x), std::min(yellow.top, y),
                          std::max(yellow.right, x + 1), std::max(yellow.bottom, y + 1)};
    EXPECT_GE(yellow.top, 240);
    EXPECT_LE(yellow.bottom, 240 + TextLineHeight());
    EXPECT_LE(std::abs(yellow.left + yellow.right - 240), 2);
    EXPECT_GT(yellow.Width(), 40);
    // No stars, ring or sparkle yet.
    EXPECT_EQ(CountIn(AnimRect, [](COLORREF c) { return c != Black; }), 0);
    // Three draws per star: x, y, brightness.
    for (int i : {0, 1, 99}) {
        const Star& star = frame.scene.Stars[i];
        EXPECT_EQ(star.x, static_cast<int32_t>(test::DrawAfterSeed(Seed, 3 * i) % 240));
        EXPECT_EQ(star.y, 80 + static_cast<int32_t>(test::DrawAfterSeed(Seed, 3 * i + 1) % 100));
        EXPECT_EQ(star.brightness, test::DrawAfterSeed(Seed, 3 * i + 2) & 255);
    }
    EXPECT_EQ(frame.scene.RingTable[0].y, -100.0);
    EXPECT_EQ(frame.scene.depthScale, 20000.0 / 1650.0);
}

TEST_F(IntroFrames, AStarIsFivePixelsShadedByItsBrightness) {
    OnlyStar(50, 100, 200);
    PaintAt(1);
    // 200 k / 128, truncated, for the k of each pixel and component.
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {
        {49, 100, RGB(81, 79, 93)}, {50, 99, RGB(79, 71, 92)},  {50, 100, RGB(118, 115, 131)},
        {50, 101, RGB(39, 32, 48)}, {51, 100, RGB(45, 43, 57)}, {49, 99, Black},
        {51, 101, Black},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(BufferAt(p.x, p.y), p.colour) << p.x << ", " << p.y;
    EXPECT_EQ(CountIn(AnimRect, [](COLORREF c) { return c != Black; }), 5);
}

TEST_F(IntroFrames, TheTitleIsDueAtStep42AndDrawnOnceOnTheNextFrame) {
    PaintAt(42);
    EXPECT_EQ(state.captionPending, 1);
    EXPECT_EQ(CountIn(CaptionRect, [](COLORREF c) { return c == Green; }), 0);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    ExpectBanner(Buffer(), 134, {90, 200}, 90, Green);
    PaintAt(44);
    EXPECT_EQ(CountIn(CaptionRect, [](COLORREF c) { return c == Green; }), 0);

    // Without a frame at step 42 it never comes.
    for (uint32_t f : {41, 43, 44, 45}) {
        PaintAt(f);
        EXPECT_EQ(state.captionPending, 0) << f;
        EXPECT_EQ(CountIn(CaptionRect, [](COLORREF c) { return c == Green; }), 0) << f;
    }

    // A title that fails to load is skipped, its flag cleared all the same.
    SetBitmapLoadFails(134, true);
    PaintAt(42);
    PaintAt(43);
    EXPECT_EQ(state.captionPending, 0);
    EXPECT_EQ(CountIn(CaptionRect, [](COLORREF c) { return c == Green; }), 0);
}

TEST_F(IntroFrames, TheBandIsFilledWithTheGroundTextureTiledFromTheBuffersOrigin) {
    OnlyStar(-10, -10, 0);
    SetBitmapLoadFails(119, true);  // no sparkle over the ring's far side
    const std::optional<Bitmap> ground = LoadBitmap(120);
    ASSERT_TRUE(ground);
    PaintAt(36);  // s 180: the whole band, pen (93, 18, 118)
    const COLORREF pen = RGB(93, 18, 118);
    int textured = 0;
    for (int y = 0; y < 294; ++y)
        for (int x = 0; x < 240; ++x) {
            const COLORREF c = BufferAt(x, y);
            const COLORREF texture = ground->ColourOf(ground->Value(x % 240, y % 100));
            ASSERT_TRUE(c == Black || c == pen || c == texture) << x << ", " << y;
            textured += c != Black && c != pen ? 1 : 0;
        }
    EXPECT_GT(textured, 400);
    // The outline runs through the outer points, A_0 at (85, 113).
    EXPECT_EQ(BufferAt(85, 113), pen);

    // Without the texture the band is a dark purple surface.
    SetBitmapLoadFails(120, true);
    PaintAt(36);
    const COLORREF bare = RGB(34, 8, 52);
    EXPECT_EQ(CountIn(AnimRect, [&](COLORREF c) { return c != Black && c != pen && c != bare; }),
              0);
    EXPECT_GE(CountIn(AnimRect, [&](COLORREF c) { return c == bare; }), textured);
}

TEST_F(IntroFrames, TheSparkleIsStretchedOntoTheSceneByOr) {
    const std::optional<Bitmap> sparkle = LoadBitmap(119);
    ASSERT_TRUE(sparkle);
    // Half-side 60 at step 4: 70 x 70 onto 120 x 120 at (25, 54); destination pixel i samples
    // source pixel (2i + 1) * 70 / 240.
    auto source = [&](int x, int y) {
        return sparkle->ColourOf(
            sparkle->Value((2 * (x - 25) + 1) * 70 / 240, (2 * (y - 54) + 1) * 70 / 240));
    };
    OnlyStar(85, 70, 255);
    PaintAt(4);
    // Above the animation's area only the sparkle is drawn, and the star under it.
    for (int y = 54; y < 80; ++y)
        for (int x = 25; x < 145; ++x)
            if (std::abs(x - 85) + std::abs(y - 70) > 1) {
                ASSERT_EQ(BufferAt(x, y), source(x, y)) << x << ", " << y;
            }
    ASSERT_NE(source(85, 70), Black);
    EXPECT_EQ(BufferAt(85, 70), RGB(151, 147, 167) | source(85, 70));
    for (Point outside : {Point{24, 60}, Point{145, 60}, Point{85, 53}})
        EXPECT_EQ(BufferAt(outside.x, outside.y), Black);

    // Without its image the sparkle is left out.
    SetBitmapLoadFails(119, true);
    PaintAt(4);
    EXPECT_EQ(CountIn({0, 0, 240, 80}, [](COLORREF c) { return c != Black; }), 5);
}

TEST_F(IntroFrames, PastFrame2000NothingIsDrawnAndThePaintIsAnswered) {
    const Bitmap before = Shot();
    state.introFrame = 2000;
    PaintAt(20);
    EXPECT_EQ(state.introFrame, 2001);
    EXPECT_FALSE(frame.NeedsPaint());
    ExpectSameShot(before, Shot());
}

TEST_F(IntroFrames, AWholeRunKeepsWhatOnlyTheSetUpWroteAndEndsWithTheGame) {
    const Bitmap setUp = Shot();
    auto outside = [](Point p, std::initializer_list<Rect> areas) {
        for (const Rect& r : areas)
            if (r.Contains(p)) return false;
        return true;
    };
    // Every frame starts from black, but only the animation's area reaches the screen.
    run.driver.Wait(1000);  // step 16
    for (int y = 0; y < 294; ++y)
        for (int x = 0; x < 240; ++x) {
            const COLORREF expected =
                outside({x, y}, {AnimRect}) ? setUp.ColourOf(setUp.Value(x, y)) : BufferAt(x, y);
            ASSERT_EQ(ScreenAt(x, y), expected) << x << ", " << y;
        }
    EXPECT_GT(CountIn(AnimRect, [](COLORREF c) { return c != Black; }), 5);

    run.driver.Wait(43 * 60 - 1000);  // the frame after step 42
    ExpectBanner(Screen(), 134, {90, 200}, 90, Green);
    run.driver.Wait(60);
    EXPECT_EQ(CountIn(CaptionRect, [](COLORREF c) { return c == Green; }), 0);
    ExpectBanner(Screen(), 134, {90, 200}, 90, Green);
    ExpectBanner(Screen(), 118, {25, 30}, 200, Purple);

    run.driver.Wait(5000 - 44 * 60);
    EXPECT_NE(state.introStart, 0u);  // the animation's last step, at 4980 ms
    run.driver.Wait(60);
    ExpectGamePaintedInFull();
}

TEST_F(IntroFrames, ARunThatSkipsStep42NeverShowsTheTitle) {
    run.driver.Wait(41 * 60);
    run.driver.JumpClock(2 * 60);  // two timer steps fall into one paint, at step 43
    run.driver.Wait(10 * 60);
    EXPECT_EQ(state.captionPending, 0);
    for (int y = CaptionRect.top; y < CaptionRect.bottom; ++y)
        for (int x = CaptionRect.left; x < CaptionRect.right; ++x)
            ASSERT_EQ(ScreenAt(x, y), Black) << x << ", " << y;
}

TEST_F(IntroFrames, ATapAtOneSecondEndsItAtOnce) {
    run.driver.Wait(1000);
    run.driver.Tap(120, 150);
    ExpectGamePaintedInFull();
}

}  // namespace
}  // namespace velinor
