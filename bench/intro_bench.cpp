// The opening animation's heaviest frame, composed and copied to a window on the headless back
// end.
#include <benchmark/benchmark.h>

#include "platform/gdi/gdi.h"
#include "platform/headless/headless.h"
#include "platform/random/random.h"
#include "platform/window/frame.h"
#include "render/intro.h"
#include "store/settings.h"

namespace velinor {
namespace {

// The whole band (cut 0) with its pattern fill, the sparkle at its largest and the 100 stars on
// the cleared buffer, then the copy that the timer's repaint of the animation's area lets through.
// No step of the animation has both, so this bounds every frame.
void BM_IntroHeaviestFrame(benchmark::State& bench) {
    HeadlessDriver driver;
    CFrameWnd window;
    window.LoadFrame(128);
    window.ShowWindow(SW_SHOW);
    Board board;
    GameState state;
    Settings settings;
    GameContext context{board, state, settings, window};
    OffscreenBuffer offscreen;
    CreateOffscreen(offscreen, 240, 294);
    IntroScene scene;
    SeedRandom(1);
    state.introStart = driver.Now();
    state.introFrame = 1;  // the next frame sets the scene up
    window.Invalidate(false);
    PaintIntroFrame(offscreen, scene, context);

    const RingShape band = RingAt(36);
    for (auto _ : bench) {
        window.InvalidateRect(&AnimRect, false);
        PatBlt(offscreen.buffer, 0, 0, offscreen.width, offscreen.height, Rop::Blackness);
        PaintStars(offscreen.buffer, scene);
        PaintRing(offscreen.buffer, scene, band);
        PaintSparkle(offscreen.buffer, MaxSparkleHalfSide);
        CopyToWindow(offscreen, window);
        benchmark::ClobberMemory();
    }
    DestroyOffscreen(offscreen);
}
BENCHMARK(BM_IntroHeaviestFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velinor
