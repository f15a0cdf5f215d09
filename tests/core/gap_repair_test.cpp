#include "core/gap_repair.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "core/trace.h"
#include "platform/random/random.h"
#include "tests/support/board_text.h"
#include "tests/support/seeded_draws.h"

namespace velinor {
namespace {

using test::BoardFromRows;
using test::LayerFromRows;

TEST(PiecesJoined, OnlyNeighbouringPiecesThatFaceEachOther) {
    const Board board = BoardFromRows({
        "1 ─ ─ 1",
        "2 ┌ ┐ 2",
        "│ │ └ ┘",
        "2 └ ─ 2",
    });
    struct Case {
        Cell a, b;
        int joined;
    };
    const Case cases[] = {
        {{1, 0}, {2, 0}, 1},   // side by side
        {{2, 0}, {1, 0}, 1},   // the same, the other way round
        {{1, 1}, {1, 2}, 1},   // one above the other
        {{1, 2}, {1, 1}, 1},   //
        {{2, 1}, {2, 2}, 1},   //
        {{0, 0}, {1, 0}, 0},   // endpoint and piece
        {{0, 1}, {0, 3}, 0},   // two endpoints, not neighbours
        {{0, 0}, {0, 1}, 0},   // two endpoints
        {{1, 1}, {2, 2}, 0},   // diagonal
        {{1, 1}, {1, 1}, 0},   // a cell with itself
        {{1, 0}, {1, 1}, 0},   // neighbouring pieces not facing each other
        {{1, 1}, {2, 1}, 1},   //
        {{2, 2}, {3, 2}, 1},   //
        {{1, 1}, {1, 3}, 0},   // same column, two apart
        {{3, 2}, {4, 2}, 0},   // a side pointing off the grid
        {{0, -1}, {0, 0}, 0},  //
    };
    for (const Case& k : cases) {
        EXPECT_EQ(PiecesJoined(board, k.a, k.b), k.joined)
            << int(k.a.x) << "," << int(k.a.y) << " and " << int(k.b.x) << "," << int(k.b.y);
    }
}

TEST(ReplaceSide, KeepsTheFirstSideWhenThePieceHasIt) {
    EXPECT_EQ(ReplaceSide(Right, -13, Up, Left), -12);
    EXPECT_EQ(ReplaceSide(Right, -34, Up, Left), -24);
    EXPECT_EQ(ReplaceSide(Left, -13, Down, Right), -34);
    EXPECT_EQ(ReplaceSide(Up, -24, Down, Right), -12);
}

struct RepairCase {
    const char* what;
    std::vector<std::string_view> before;
    std::vector<std::string_view> after;
    int result;
};

Board FromRows(const std::vector<std::string_view>& rows) {
    Board board;
    board.gridSize = static_cast<int16_t>(rows.size());
    int y = 0;
    for (std::string_view row : rows) {
        const Layer line = LayerFromRows({row});
        for (int x = 0; x < MaxGridSize; ++x)
            board.solution[CellIndex(x, y)] = line[CellIndex(x, 0)];
        ++y;
    }
    return board;
}

TEST(AddDetours, BendsAJoinedStretchBesideAnEmptyPair) {
    const RepairCase cases[] = {
        {"vertical pair: the left stretch before the right one",
         {"1 . 2 3", "│ . │ │", "│ . │ │", "1 . 2 3"},
         {"1 . 2 3", "└ ┐ │ │", "┌ ┘ │ │", "1 . 2 3"},
         1},
        {"vertical pair: the right stretch when the left is no stretch",
         {"1 . 2 3", "1 . │ │", "4 . │ │", "4 . 2 3"},
         {"1 . 2 3", "1 ┌ ┘ │", "4 └ ┐ │", "4 . 2 3"},
         1},
        {"horizontal pair: the stretch above before the one below",
         {"1 ─ ─ 1", "5 . . 6", "2 ─ ─ 2", "4 ─ ─ 4"},
         {"1 ┐ ┌ 1", "5 └ ┘ 6", "2 ─ ─ 2", "4 ─ ─ 4"},
         1},
        {"horizontal pair: the stretch below when there is none above",
         {"1 1 2 2", "5 . . 6", "3 ─ ─ 3", "4 ─ ─ 4"},
         {"1 1 2 2", "5 ┌ ┐ 6", "3 ┘ └ 3", "4 ─ ─ 4"},
         1},
        {"a vertical pair is preferred even when only a horizontal one could bend",
         {"1 ─ ─ 1", "5 . . 6", "7 . 8 9", "2 ─ ─ 2"},
         {"1 ─ ─ 1", "5 . . 6", "7 . 8 9", "2 ─ ─ 2"},
         0},
        {"a line bent once can bend again further on in the pass",
         {"1 . . 2", "│ . . │", "│ . . │", "1 . . 2"},
         {"1 . . 2", "└ ─ ┐ │", "┌ ─ ┘ │", "1 . . 2"},
         2},
        {"a single empty cell gets no detour",
         {"1 ─ 1", "2 . 2", "3 ─ 3"},
         {"1 ─ 1", "2 . 2", "3 ─ 3"},
         0},
    };
    for (const RepairCase& k : cases) {
        Board board = FromRows(k.before);
        EXPECT_EQ(AddDetours(board), k.result) << k.what;
        EXPECT_EQ(board.solution, FromRows(k.after).solution) << k.what;
    }
}

TEST(SplitLineIntoCell, CutsALineNextToAnEmptyCellIntoTwo) {
    const RepairCase cases[] = {
        {"a corner cell next to a line turning at the diagonal cell",
         {". ┌ ─ 1", "┌ ┘ 2 ┐", "1 3 ┐ │", "3 ─ ┘ 2"},
         {"1 ┌ ─ 4", "│ 4 2 ┐", "1 3 ┐ │", "3 ─ ┘ 2"},
         1},
        {"a line passing one neighbour and going on through a piece beyond the diagonal",
         {". ┌ ─ 1", "2 │ 3 ┐", "│ └ 1 │", "2 3 ─ ┘"},
         {"1 ─ ─ 1", "2 4 3 ┐", "│ └ 4 │", "2 3 ─ ┘"},
         1},
        {"refused: the cut-off part would be a line of two cells",
         {". ┌ ─ 1", "2 │ 3 ┐", "│ 1 5 │", "2 3 ─ ┘"},
         {". ┌ ─ 1", "2 │ 3 ┐", "│ 1 5 │", "2 3 ─ ┘"},
         0},
        {"refused: no diagonal piece is joined toward the empty cell",
         {"1 ─ 1 .", "2 . 3 ─", "│ 4 . 2", "3 ─ 4 ."},
         {"1 ─ 1 .", "2 . 3 ─", "│ 4 . 2", "3 ─ 4 ."},
         0},
    };
    for (const RepairCase& k : cases) {
        Board board = FromRows(k.before);
        int8_t nextPair = 4;
        SeedRandom(5);
        EXPECT_EQ(SplitLineIntoCell(board, nextPair), k.result) << k.what;
        EXPECT_EQ(nextPair, 4 + k.result) << k.what;
        EXPECT_EQ(board.solution, FromRows(k.after).solution) << k.what;
        if (k.result == 1) {
            EXPECT_EQ(CheckLayer(board, LayerSolution), 0) << k.what;
        }
    }
}

TEST(SplitLineIntoCell, ChoosesAmongTheDiagonalsThatCanBeCutByTheChoiceRule) {
    // (1, 1) can take a cut from line 5 turning at (2, 2), diagonal 0, or from line 1 turning at
    // (0, 0), diagonal 3: k = 0 picks the first, any other k steps on to the second.
    const std::vector<std::string_view> start = {"┌ ─ 1 5", "│ . ┌ ┘", "1 ┌ ┘ 3", "5 ┘ 3 ┘"};
    for (uint64_t seed = 0; seed < 40; ++seed) {
        const uint32_t k = test::DrawAfterSeed(seed, 0) & 3;
        Board board = FromRows(start);
        int8_t nextPair = 6;
        ASSERT_EQ(SplitLineIntoCell(board, nextPair), 1);
        EXPECT_EQ(board.solution[CellIndex(1, 1)], k == 0 ? 5 : 1) << "seed " << seed;
        EXPECT_EQ(CheckLayer(board, LayerSolution), 0);
    }
}

}  // namespace
}  // namespace velinor
