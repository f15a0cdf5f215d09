// The stylus: the work of every move message of a drag.
#include <benchmark/benchmark.h>

#include "bench/boards.h"
#include "core/trace.h"
#include "game/stylus.h"
#include "platform/headless/headless.h"
#include "platform/window/frame.h"

namespace velinor {
namespace {

// The straight-lines puzzle as a game starts: endpoints only.
Board FreshTwelve() {
    Board board = StraightLinesTwelve();
    for (int i = 0; i < LayerCells; ++i)
        board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
    return board;
}

// One stroke step per iteration (the move handler alone, no painting): the stylus sweeps along
// the top row between its endpoints and back, drawing the line as it goes.
void BM_StrokeStep12(benchmark::State& st) {
    HeadlessDriver driver;
    CFrameWnd frame;
    frame.LoadFrame(128);
    Board board = FreshTwelve();
    GameState state;
    Settings settings{};
    GameContext game{board, state, settings, frame};
    int x = 1, step = 1;
    for (auto _ : st) {
        OnMouseMove(game, board.originX + CellSize * x + CellSize / 2, board.originY + 10);
        if (x + step < 1 || x + step > 10) step = -step;
        x += step;
    }
    if (state.eventCount == 0 || state.phase != Playing) st.SkipWithError("no stroke was drawn");
}
BENCHMARK(BM_StrokeStep12);

}  // namespace
}  // namespace velinor
