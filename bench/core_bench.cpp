// Board checks: the work of every stroke step and of every generated puzzle.
#include <benchmark/benchmark.h>

#include "core/trace.h"

namespace velinor {
namespace {

// A horizontal line from x0 to x1 on row y.
void LayLine(Layer& layer, int y, int x0, int x1, int8_t label) {
    layer[CellIndex(x0, y)] = label;
    for (int x = x0 + 1; x < x1; ++x)
        layer[CellIndex(x, y)] = -24;
    layer[CellIndex(x1, y)] = label;
}

// A complete 12 x 12 solution of 18 lines: even rows one line, odd rows two.
Board EighteenLines() {
    Board board;
    board.gridSize = 12;
    int8_t label = 1;
    for (int y = 0; y < 12; y += 2) {
        LayLine(board.solution, y, 0, 11, label++);
        LayLine(board.solution, y + 1, 0, 5, label++);
        LayLine(board.solution, y + 1, 6, 11, label++);
    }
    board.player = board.solution;
    return board;
}

void BM_CheckLayerComplete12(benchmark::State& state) {
    Board board = EighteenLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckLayer(board, LayerPlayer));
    if (CheckLayer(board, LayerPlayer) != 0) state.SkipWithError("board is not valid");
}
BENCHMARK(BM_CheckLayerComplete12);

void BM_CheckLayerFreshPlayer12(benchmark::State& state) {
    Board board = EighteenLines();
    for (int i = 0; i < LayerCells; ++i)
        board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckLayer(board, LayerPlayer));
}
BENCHMARK(BM_CheckLayerFreshPlayer12);

void BM_MarkLine29Cells(benchmark::State& state) {
    // A snake along row 0, back along row 1 and into row 2: 12 + 12 + 5 cells.
    Board board;
    board.gridSize = 12;
    Layer& l = board.player;
    l[CellIndex(0, 0)] = 1;
    for (int x = 1; x < 11; ++x)
        l[CellIndex(x, 0)] = -24;
    l[CellIndex(11, 0)] = -34;
    l[CellIndex(11, 1)] = -14;
    for (int x = 1; x < 11; ++x)
        l[CellIndex(x, 1)] = -24;
    l[CellIndex(0, 1)] = -23;
    l[CellIndex(0, 2)] = -12;
    for (int x = 1; x < 4; ++x)
        l[CellIndex(x, 2)] = -24;
    l[CellIndex(4, 2)] = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkLine(board, LayerPlayer, 6, 1));
    if (MarkLine(board, LayerPlayer, 6, 1) != 29) state.SkipWithError("line is not 29 cells");
}
BENCHMARK(BM_MarkLine29Cells);

}  // namespace
}  // namespace velinor
