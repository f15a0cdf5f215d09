#include "core/board.h"

#include <gtest/gtest.h>

#include "tests/support/board_text.h"

namespace velinor {
namespace {

TEST(Board, InGridHonoursGridSizeAndNeverReachesPastTheLayers) {
    // gridSize, x, y, inside; 40 and -3 are sizes no game uses.
    const int cases[][4] = {{5, 4, 4, 1},   {5, 5, 0, 0},   {5, 2, 5, 0},
                            {5, 0, -1, 0},  {5, 7, 2, 0},   {40, 11, 11, 1},
                            {40, 12, 0, 0}, {40, 0, 12, 0}, {-3, 0, 0, 0}};
    for (const auto& [size, x, y, inside] : cases) {
        Board board{static_cast<int16_t>(size)};
        EXPECT_EQ(InGrid(board, x, y), inside != 0) << size << ": " << x << "," << y;
    }
}

TEST(Board, MakePieceJoinsTheSidesTowardBothNeighbours) {
    const Cell c{3, 3}, above{3, 2}, below{3, 4}, left{2, 3}, right{4, 3}, diagonal{4, 4};
    const struct {
        Cell a, b;
        int8_t piece;
    } cases[] = {
        {above, right, -12}, {above, below, -13}, {above, left, -14}, {right, below, -23},
        {left, right, -24},  {below, left, -34},  {above, above, 0},  {diagonal, right, 0},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(MakePiece(k.a, c, k.b), k.piece) << int(k.a.x) << "," << int(k.a.y);
        EXPECT_EQ(MakePiece(k.b, c, k.a), k.piece) << "order of a and b must not matter";
    }
}

TEST(Board, CountDifferingCellsLooksOnlyInsideTheGrid) {
    Board board = test::BoardFromRows({"1 ─ 1", ". . .", ". . ."});
    // Two cells differ inside the 3 x 3 grid; the 9s at (7, 2) and (2, 5) lie outside it.
    board.player =
        test::LayerFromRows({"1 . 1", ". . .", ". . │ . . . . 9", ". . .", ". . .", ". . 9"});
    EXPECT_EQ(CountDifferingCells(board), 2);
}

}  // namespace
}  // namespace velinor
