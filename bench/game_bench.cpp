// The stylus: the work of every move message of a drag.
#include <benchmark/benchmark.h>

#include "core/trace.h"
#include "game/stylus.h"
#include "platform/headless/headless.h"
#include "platform/window/frame.h"

namespace velinor {
namespace {

// A 12 x 12 puzzle of 18 straight lines as a game starts: endpoints only.
Board FreshTwelve() {
    Board board;
    board.gridSize = 12;
    int8_t label = 1;
    auto lay = [&](int y, int x0, int x1) {
        board.solution[CellIndex(x0, y)] = label;
        for (int x = x0 + 1; x < x1; ++x)
            board.solution[CellIndex(x, y)] = -24;
        board.solution[CellIndex(x1, y)] = label++;
    };
    for (int y = 0; y < 12; y += 2) {
        lay(y, 0, 11);
        lay(y + 1, 0, 5);
        lay(y + 1, 6, 11);
    }
    for (int i = 0; i < LayerCells; ++i)
        board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
    ComputeBoardOrigin(board);
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
