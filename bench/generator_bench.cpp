// Puzzle generation: single attempts, whole new games, and how often they fail.
#include <benchmark/benchmark.h>

#include "core/generator.h"
#include "platform/random/random.h"

namespace velinor {
namespace {

// The default symbol set: labels are shuffled out of all 19 signs.
constexpr int16_t SignSymbols = 2;
constexpr int NewGameAttempts = 20;

Board BoardOfSize(const benchmark::State& state) {
    Board board;
    board.gridSize = static_cast<int16_t>(state.range(0));
    return board;
}

// What a new game does: generate until a puzzle comes out, at most 20 times. Each attempt's
// result goes to attempted.
template <typename Attempted>
int16_t NewGame(Board& board, Attempted attempted) {
    int16_t result = 1;
    for (int a = 0; a < NewGameAttempts && result != 0; ++a) {
        result = GeneratePuzzle(board, SignSymbols);
        attempted(result);
    }
    return result;
}

void BM_GeneratePuzzle(benchmark::State& state) {
    Board board = BoardOfSize(state);
    SeedRandom(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(GeneratePuzzle(board, SignSymbols));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GeneratePuzzle)->Arg(5)->Arg(8)->Arg(12);

// The label shuffle of every attempt: 1,900 swaps, 3,800 draws and remainders.
void BM_ShuffleBytes(benchmark::State& state) {
    LabelTable labels{};
    for (int i = 0; i < SymbolLabelCount; ++i)
        labels[i] = static_cast<int8_t>(i + 1);
    SeedRandom(1);
    for (auto _ : state) {
        ShuffleBytes(labels, SymbolLabelCount);
        benchmark::DoNotOptimize(labels);
    }
}
BENCHMARK(BM_ShuffleBytes);

void BM_NewGame(benchmark::State& state) {
    Board board = BoardOfSize(state);
    SeedRandom(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(NewGame(board, [](int16_t) {}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NewGame)->Arg(5)->Arg(8)->Arg(12);

// A labelled board has at most 18 pairs; 19 or more is the raw layer of a refused attempt.
int PairCount(const Board& board) {
    int endpoints = 0;
    for (int8_t v : board.solution)
        endpoints += v > 0;
    return endpoints / 2;
}

bool HasEmptyCell(const Board& board) {
    for (int x = 0; x < board.gridSize; ++x) {
        for (int y = 0; y < board.gridSize; ++y)
            if (board.solution[CellIndex(x, y)] == 0) return true;
    }
    return false;
}

// 100,000 new games: the share of attempts failing by cause, and the games that still end
// with a faulty board after 20 attempts.
void BM_NewGameOutcomes(benchmark::State& state) {
    Board board = BoardOfSize(state);
    SeedRandom(1);
    double attempts = 0, tooManyPairs = 0, emptyCells = 0, otherFaults = 0, failedGames = 0;
    const auto attempted = [&](int16_t result) {
        ++attempts;
        if (result == 0) return;
        if (PairCount(board) >= 19) {
            ++tooManyPairs;
        } else if (HasEmptyCell(board)) {
            ++emptyCells;
        } else {
            ++otherFaults;
        }
    };
    for (auto _ : state)
        failedGames += NewGame(board, attempted) != 0;
    state.counters["attempts"] = attempts;
    state.counters["attempts_per_game"] = attempts / static_cast<double>(state.iterations());
    state.counters["fail_19_pairs"] = tooManyPairs / attempts;
    state.counters["fail_empty_cells"] = emptyCells / attempts;
    state.counters["fail_other"] = otherFaults / attempts;
    state.counters["failed_games"] = failedGames;
}
BENCHMARK(BM_NewGameOutcomes)->Arg(5)->Arg(8)->Arg(12)->Iterations(100000);

}  // namespace
}  // namespace velinor
