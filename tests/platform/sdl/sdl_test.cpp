// The SDL back end on SDL's dummy video driver: the window, the stylus, the title, the loop.
#include <cstdlib>
#include <tuple>
#include <utility>

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/sdl/sdl.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

using test::Log;

struct Sdl : test::ShellTest<SdlBackend> {
    static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void SetUp() override {
        ASSERT_TRUE(driver.Ok()) << driver.Error();
        ShellTest::SetUp();
    }
    // Runs the loop until two messages other than paints have come.
    Log TwoMessages() {
        driver.System().RunUntil([&] {
            std::erase(frame->log, "paint");
            return frame->log.size() >= 2;
        });
        return std::exchange(frame->log, {});
    }
};

void Push(SDL_Event event) {
    SDL_PushEvent(&event);
}

TEST_F(Sdl, OpensAWindowTwiceTheScreenAndRunsTheLoopUntilClosed) {
    SDL_Window* window = SDL_GetWindowFromID(1);
    ASSERT_NE(window, nullptr);
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(std::pair(width, height), std::pair(480, 640));
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Velinor");

    // Window pixels, twice the screen's: the client's (100, 100).
    for (uint32_t type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        // Type, time, window 1, mouse 0, the left button, state, clicks, padding, x, y.
        Push({.button = {type, 0, 1, 0, SDL_BUTTON_LEFT, 0, 0, 0, 200, 252}});
    EXPECT_EQ(TwoMessages(), (Log{"down 100,100", "up 100,100"}));
    // A finger, at fractions of the window, is the stylus too; a second finger meanwhile is not.
    using Finger = std::tuple<uint32_t, int, float>;
    for (const auto& [type, finger, x] : {Finger{SDL_FINGERDOWN, 1, 0.25f},
                                          {SDL_FINGERDOWN, 2, 0.75f},
                                          {SDL_FINGERUP, 2, 0.75f},
                                          {SDL_FINGERUP, 1, 0.25f}})
        // Type, time, device, finger, x, y, dx, dy, pressure, window.
        Push({.tfinger = {type, 0, 1, finger, x, 0.5f, 0, 0, 0, 0}});
    EXPECT_EQ(TwoMessages(), (Log{"down 60,134", "up 60,134"}));

    // What the window shows is the screen, each pixel a 2 x 2 block: the bar's grey at the
    // right of the bar, the blue the frame paints below it.
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    ASSERT_NE(renderer, nullptr);
    auto shown = [&](int x, int y) {
        uint32_t pixel = 0;
        SDL_Rect one{x, y, 1, 1};
        SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
        return pixel & 0xFFFFFF;
    };
    frame->painter = [](CPaintDC& dc) {
        FillRect(dc.Context(), {0, 0, 240, 294}, CreateSolidBrush(RGB(0, 0, 255)));
    };
    // At 480 x 640, then resized to 700 x 700: the whole-number scale 2 stays, centred with 110
    // pixels of border at each side, 30 above and below.
    for (const auto& [left, top] : {std::pair{0, 0}, {110, 30}}) {
        if (left > 0) SDL_SetWindowSize(window, 700, 700);
        frame->Invalidate(false);
        frame->UpdateWindow();
        EXPECT_EQ(shown(left + 479, top + 20), 0xC0C0C0u);
        EXPECT_EQ(shown(left, top + 2 * 26), 0x0000FFu);
        EXPECT_EQ(shown(left + 479, top + 639), 0x0000FFu);
    }
    EXPECT_EQ(shown(109, 30 + 2 * 26), 0u);

    Push({.type = SDL_QUIT});  // the close box: the frame closes and the loop ends
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

}  // namespace
}  // namespace velinor
