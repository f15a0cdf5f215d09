// The SDL back end on SDL's dummy video driver: the window, the stylus, the title, the loop.
#include <cstdlib>

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/sdl/sdl.h"
#include "tests/platform/window/sample_app.h"

namespace velinor {
namespace {

using Log = std::vector<std::string>;

struct Sdl : ::testing::Test {
    static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
};

// A mouse button event from the window, in window pixels.
void PushButton(uint32_t type, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = 1;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

// A finger at a place given as fractions of the window.
void PushFinger(uint32_t type, int64_t finger, float x, float y) {
    SDL_Event event{};
    event.type = type;
    event.tfinger.touchId = 1;
    event.tfinger.fingerId = finger;
    event.tfinger.x = x;
    event.tfinger.y = y;
    SDL_PushEvent(&event);
}

void PushQuit() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

TEST_F(Sdl, OpensAWindowTwiceTheScreenAndRunsTheLoopUntilClosed) {
    SdlBackend backend(2);
    ASSERT_TRUE(backend.Ok()) << backend.Error();
    test::SampleApp app;
    ASSERT_TRUE(app.InitInstance());
    SDL_Window* window = SDL_GetWindowFromID(1);
    ASSERT_NE(window, nullptr);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 480);
    EXPECT_EQ(height, 640);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Velinor");

    test::SampleFrame& frame = app.Frame();
    frame.painter = [](CPaintDC&) {};
    frame.log.clear();
    // Window pixels, twice the screen's: the client's (100, 100).
    PushButton(SDL_MOUSEBUTTONDOWN, 200, 252);
    PushButton(SDL_MOUSEBUTTONUP, 200, 252);
    backend.System().RunUntil([&] { return frame.log.size() >= 2; });
    std::erase(frame.log, "paint");
    EXPECT_EQ(frame.log, (Log{"down 100,100", "up 100,100"}));

    // A finger is the stylus too; a second finger meanwhile is not.
    frame.log.clear();
    PushFinger(SDL_FINGERDOWN, 1, 0.25f, 0.5f);
    PushFinger(SDL_FINGERDOWN, 2, 0.75f, 0.5f);
    PushFinger(SDL_FINGERUP, 2, 0.75f, 0.5f);
    PushFinger(SDL_FINGERUP, 1, 0.25f, 0.5f);
    backend.System().RunUntil([&] { return frame.log.size() >= 2; });
    std::erase(frame.log, "paint");
    EXPECT_EQ(frame.log, (Log{"down 60,134", "up 60,134"}));

    // What the window shows is the screen, each pixel a 2 x 2 block: the bar's grey at the
    // right of the bar, the black the frame paints below it.
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    ASSERT_NE(renderer, nullptr);
    auto shown = [&](int x, int y) {
        uint32_t pixel = 0;
        SDL_Rect one{x, y, 1, 1};
        SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
        return pixel & 0xFFFFFF;
    };
    frame.painter = [](CPaintDC& dc) {
        FillRect(dc.Context(), {0, 0, 240, 294}, CreateSolidBrush(RGB(0, 0, 255)));
    };
    frame.Invalidate(false);
    frame.UpdateWindow();
    EXPECT_EQ(shown(2 * 239 + 1, 2 * 10), 0xC0C0C0u);
    EXPECT_EQ(shown(2 * 100, 2 * 26), 0x0000FFu);
    EXPECT_EQ(shown(2 * 239 + 1, 2 * 319 + 1), 0x0000FFu);

    // A window resized to 700 x 700 keeps the whole-number scale 2, centred: 110 pixels of
    // border at each side, 30 above and below.
    SDL_SetWindowSize(window, 700, 700);
    frame.Invalidate(false);
    frame.UpdateWindow();
    EXPECT_EQ(shown(110, 30 + 2 * 26), 0x0000FFu);
    EXPECT_EQ(shown(109, 30 + 2 * 26), 0u);
    EXPECT_EQ(shown(110 + 2 * 239 + 1, 30 + 2 * 10), 0xC0C0C0u);
    EXPECT_EQ(shown(110 + 480, 30 + 2 * 10), 0u);

    PushQuit();  // the close box: the frame closes and the loop ends
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

TEST_F(Sdl, TimersWaitForTheirDueTimeOnTheWallClock) {
    SdlBackend backend(1);
    ASSERT_TRUE(backend.Ok()) << backend.Error();
    test::SampleApp app;
    ASSERT_TRUE(app.InitInstance());
    test::SampleFrame& frame = app.Frame();
    frame.log.clear();
    uint32_t start = GetTickCount();
    frame.SetTimer(1, 30);
    WindowSystem& system = backend.System();
    system.RunUntil([&] { return frame.log.size() >= 2; });
    ASSERT_EQ(frame.log.size(), 2u);
    EXPECT_GE(GetTickCount() - start, 60u);
    EXPECT_EQ(frame.log[0].rfind("timer 1 at ", 0), 0u);
}

}  // namespace
}  // namespace velinor
