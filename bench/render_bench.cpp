// Painting the main window: a whole frame, a clock tick, a drag step, and a stroke step with its
// paint, each composed in the buffer and copied to the window.
#include <benchmark/benchmark.h>

#include "bench/boards.h"
#include "game/stylus.h"
#include "platform/headless/headless.h"
#include "platform/window/frame.h"
#include "render/paint.h"

namespace velinor {
namespace {

// The 12 x 12 straight-lines game in play, every line drawn: the top line under the stylus, the
// next revealed, the third marked by the board check; the clock running with a penalty and
// both players' best times shown.
struct PaintedGame {
    PaintedGame() {
        frame.LoadFrame(128);
        frame.ShowWindow(SW_SHOW);
        board.player = board.solution;
        for (int x = 0; x < 12; ++x) {
            board.traceMarks[CellIndex(x, 0)] = 1;
            if (x < 6) board.revealed[CellIndex(x, 1)] = 1;
            if (x >= 6) board.errorMarks[CellIndex(x, 1)] = 1;
        }
        settings.lineOK = DefaultLineOK;
        settings.lineVI = DefaultLineVI;
        settings.difficulty = 2;
        settings.stats[0][2].besttime = 200000;
        settings.stats[1][2].besttime = 150000;
        state.clockStart = GetTickCount() - 65300;
        state.eventCount = 1;
        state.penaltyCells = 4;
        state.current = {5, 0};
        state.previous = {4, 0};
        state.target = {11, 0};
        Rect client;
        frame.GetClientRect(client);
        CreateOffscreen(offscreen, client.right, client.bottom);
        Paint(RedrawFull);
    }
    ~PaintedGame() { DestroyOffscreen(offscreen); }

    // What a handler's repaint request and the platform's paint message do.
    void Paint(RedrawMode mode) {
        state.redrawMode = mode;
        frame.InvalidateRect(nullptr, false);
        PaintMainWindow(offscreen, scene, game);
    }

    HeadlessDriver driver;
    CFrameWnd frame;
    Board board = StraightLinesTwelve();
    GameState state;
    Settings settings{};
    GameContext game{board, state, settings, frame};
    OffscreenBuffer offscreen;
    IntroScene scene;
};

void BM_PaintFullFrame12(benchmark::State& st) {
    PaintedGame g;
    for (auto _ : st)
        g.Paint(RedrawFull);
}
BENCHMARK(BM_PaintFullFrame12)->Unit(benchmark::kMicrosecond);

void BM_PaintClockTick(benchmark::State& st) {
    PaintedGame g;
    for (auto _ : st)
        g.Paint(RedrawStatus);
}
BENCHMARK(BM_PaintClockTick)->Unit(benchmark::kMicrosecond);

void BM_PaintDragStep(benchmark::State& st) {
    PaintedGame g;
    for (auto _ : st)
        g.Paint(RedrawIncremental);
}
BENCHMARK(BM_PaintDragStep)->Unit(benchmark::kMicrosecond);

// The stylus sweeps along the top line and back, drawing it as it goes; each move message is
// followed by the paint it asks for.
void BM_StrokeStepAndPaint(benchmark::State& st) {
    PaintedGame g;
    g.board.player = {};
    for (int i = 0; i < LayerCells; ++i)
        g.board.player[i] = g.board.solution[i] > 0 ? g.board.solution[i] : 0;
    int x = 1, step = 1;
    for (auto _ : st) {
        OnMouseMove(g.game, g.board.originX + CellSize * x + CellSize / 2, g.board.originY + 10);
        PaintMainWindow(g.offscreen, g.scene, g.game);
        if (x + step < 1 || x + step > 10) step = -step;
        x += step;
    }
    if (g.state.redrawMode != RedrawIncremental) st.SkipWithError("the moves drew no stroke");
}
BENCHMARK(BM_StrokeStepAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velinor
