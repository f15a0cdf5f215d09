#include "core/gap_repair.h"

#include <gtest/gtest.h>

#include "core/trace.h"
#include "platform/random/random.h"
#include "tests/support/board_text.h"
#include "tests/support/seeded_draws.h"

namespace velinor {
namespace {

using test::At;
using test::BoardFromRows;
using test::LayerFromRows;

TEST(PiecesJoined, OnlyNeighbouringPiecesThatFaceEachOther) {
    const Board board = BoardFromRows({"1 ─ ─ 1", "2 ┌ ┐ 2", "│ │ └ ┘", "2 └ ─ 2"});
    // a.x, a.y, b.x, b.y, joined: facing pieces either way round; then an endpoint, pieces not
    // facing each other, a diagonal, the cell itself, a cell two away and a cell off the grid.
    const int cases[][5] = {{1, 0, 2, 0, 1}, {2, 0, 1, 0, 1}, {1, 1, 1, 2, 1}, {1, 2, 1, 1, 1},
                            {0, 0, 1, 0, 0}, {1, 0, 1, 1, 0}, {1, 1, 2, 2, 0}, {1, 1, 1, 1, 0},
                            {1, 1, 1, 3, 0}, {3, 2, 4, 2, 0}};
    for (const auto& [ax, ay, bx, by, joined] : cases) {
        EXPECT_EQ(PiecesJoined(board, Cell(ax, ay), Cell(bx, by)), joined)
            << ax << "," << ay << " and " << bx << "," << by;
    }
}

// `after` is left empty where the repair must change nothing.
struct RepairCase {
    const char* what;
    int result;
    Board before;
    Layer after;
};

void ExpectRepaired(const RepairCase& k, const Board& board, int result) {
    EXPECT_EQ(result, k.result) << k.what;
    EXPECT_EQ(board.solution, k.result ? k.after : k.before.solution) << k.what;
}

TEST(AddDetours, BendsAJoinedStretchBesideAnEmptyPair) {
    const RepairCase cases[] = {
        {"vertical pair, left stretch first", 1,
         BoardFromRows({"1 . 2 3", "│ . │ │", "│ . │ │", "1 . 2 3"}),
         LayerFromRows({"1 . 2 3", "└ ┐ │ │", "┌ ┘ │ │", "1 . 2 3"})},
        {"vertical pair, right stretch", 1,
         BoardFromRows({"1 . 2 3", "1 . │ │", "4 . │ │", "4 . 2 3"}),
         LayerFromRows({"1 . 2 3", "1 ┌ ┘ │", "4 └ ┐ │", "4 . 2 3"})},
        {"horizontal pair, above first", 1,
         BoardFromRows({"1 ─ ─ 1", "5 . . 6", "2 ─ ─ 2", "4 ─ ─ 4"}),
         LayerFromRows({"1 ┐ ┌ 1", "5 └ ┘ 6", "2 ─ ─ 2", "4 ─ ─ 4"})},
        {"horizontal pair, below", 1, BoardFromRows({"1 1 2 2", "5 . . 6", "3 ─ ─ 3", "4 ─ ─ 4"}),
         LayerFromRows({"1 1 2 2", "5 ┌ ┐ 6", "3 ┘ └ 3", "4 ─ ─ 4"})},
        {"bent twice in one pass", 2, BoardFromRows({"1 . . 2", "│ . . │", "│ . . │", "1 . . 2"}),
         LayerFromRows({"1 . . 2", "└ ─ ┐ │", "┌ ─ ┘ │", "1 . . 2"})},
        {"vertical pair preferred", 0, BoardFromRows({"1 ─ ─ 1", "5 . . 6", "7 . 8 9", "2 ─ ─ 2"}),
         Layer{}},
        {"single empty cell", 0, BoardFromRows({"1 ─ 1", "2 . 2", "3 ─ 3"}), Layer{}},
    };
    for (const RepairCase& k : cases) {
        Board board = k.before;
        ExpectRepaired(k, board, AddDetours(board));
    }
}

TEST(SplitLineIntoCell, CutsALineNextToAnEmptyCellIntoTwo) {
    const RepairCase cases[] = {
        {"corner cell", 1, BoardFromRows({". ┌ ─ 1", "┌ ┘ 2 ┐", "1 3 ┐ │", "3 ─ ┘ 2"}),
         LayerFromRows({"1 ┌ ─ 4", "│ 4 2 ┐", "1 3 ┐ │", "3 ─ ┘ 2"})},
        {"line going on beyond the diagonal", 1,
         BoardFromRows({". ┌ ─ 1", "2 │ 3 ┐", "│ └ 1 │", "2 3 ─ ┘"}),
         LayerFromRows({"1 ─ ─ 1", "2 4 3 ┐", "│ └ 4 │", "2 3 ─ ┘"})},
        {"would leave a two-cell line", 0,
         BoardFromRows({". ┌ ─ 1", "2 │ 3 ┐", "│ 1 5 │", "2 3 ─ ┘"}), Layer{}},
        {"no joined diagonal piece", 0, BoardFromRows({"1 ─ 1 .", "2 . 3 ─", "│ 4 . 2", "3 ─ 4 ."}),
         Layer{}},
    };
    for (const RepairCase& k : cases) {
        Board board = k.before;
        int8_t nextPair = 4;
        SeedRandom(5);
        ExpectRepaired(k, board, SplitLineIntoCell(board, nextPair));
        EXPECT_EQ(nextPair, 4 + k.result) << k.what;
        EXPECT_EQ(CheckLayer(board, LayerSolution) == 0, k.result == 1) << k.what;
    }
}

TEST(SplitLineIntoCell, ChoosesAmongTheDiagonalsThatCanBeCutByTheChoiceRule) {
    // (1, 1) can take a cut from line 5 turning at (2, 2), diagonal 0, or from line 1 turning at
    // (0, 0), diagonal 3: k = 0 picks the first, any other k steps on to the second.
    const Board start = BoardFromRows({"┌ ─ 1 5", "│ . ┌ ┘", "1 ┌ ┘ 3", "5 ┘ 3 ┘"});
    for (uint64_t seed = 0; seed < 40; ++seed) {
        const uint32_t k = test::DrawAfterSeed(seed, 0) & 3;
        Board board = start;
        int8_t nextPair = 6;
        ASSERT_EQ(SplitLineIntoCell(board, nextPair), 1);
        EXPECT_EQ(At(board.solution, 1, 1), k == 0 ? 5 : 1) << "seed " << seed;
        EXPECT_EQ(CheckLayer(board, LayerSolution), 0);
    }
}

}  // namespace
}  // namespace velinor
