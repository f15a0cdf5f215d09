#include "core/board.h"

#include <gtest/gtest.h>

#include "tests/support/board_text.h"

namespace velinor {
namespace {

TEST(Board, InGridHonoursGridSizeAndNeverReachesPastTheLayers) {
    Board board;
    board.gridSize = 5;
    EXPECT_TRUE(InGrid(board, 4, 4));
    EXPECT_TRUE(InGrid(board, 0, 0));
    EXPECT_FALSE(InGrid(board, 5, 0));
    EXPECT_FALSE(InGrid(board, 0, -1));
    EXPECT_FALSE(InGrid(board, 7, 2));

    // A size no game uses still keeps every cell inside the 12 x 12 layers.
    board.gridSize = 40;
    EXPECT_TRUE(InGrid(board, 11, 11));
    EXPECT_FALSE(InGrid(board, 12, 0));
    board.gridSize = -3;
    EXPECT_FALSE(InGrid(board, 0, 0));
}

TEST(Board, MakePieceJoinsTheSidesTowardBothNeighbours) {
    const Cell c{3, 3};
    const Cell above{3, 2}, below{3, 4}, left{2, 3}, right{4, 3}, diagonal{4, 4};
    struct Case {
        Cell a, b;
        int8_t piece;
    };
    const Case cases[] = {
        {above, right, -12}, {above, below, -13},  {above, left, -14},
        {right, below, -23}, {left, right, -24},   {below, left, -34},
        {above, above, 0},   {diagonal, right, 0}, {left, diagonal, 0},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(MakePiece(k.a, c, k.b), k.piece) << int(k.a.x) << "," << int(k.a.y);
        EXPECT_EQ(MakePiece(k.b, c, k.a), k.piece) << "order of a and b must not matter";
    }
}

TEST(Board, PieceSidesOfPiecesEndpointsAndStrayValues) {
    EXPECT_EQ(PieceSides(-23).high, 2);
    EXPECT_EQ(PieceSides(-23).low, 3);
    EXPECT_EQ(PieceSides(5).high, 0);
    EXPECT_EQ(PieceSides(5).low, -5);
    for (int d = Up; d <= Left; ++d) {
        EXPECT_FALSE(HasSide(5, d));
        EXPECT_FALSE(HasSide(0, d));
        EXPECT_FALSE(HasSide(-128, d)) << "digits 12 and 8 are no direction";
    }
    EXPECT_TRUE(HasSide(-14, Up));
    EXPECT_TRUE(HasSide(-14, Left));
    EXPECT_EQ(OtherSide(-14, Left), Up);
    EXPECT_EQ(OtherSide(-14, Up), Left);
}

TEST(Board, CountDifferingCellsLooksOnlyInsideTheGrid) {
    Board board = test::BoardFromRows({"1 ─ 1", ". . .", ". . ."});
    EXPECT_EQ(CountDifferingCells(board), 0);
    board.player[CellIndex(7, 2)] = 9;  // outside the 3 x 3 grid
    board.player[CellIndex(2, 5)] = 9;
    EXPECT_EQ(CountDifferingCells(board), 0);
    board.player[CellIndex(1, 0)] = 0;
    board.player[CellIndex(2, 2)] = -13;
    EXPECT_EQ(CountDifferingCells(board), 2);
}

TEST(Board, OriginCentresEveryGridSize) {
    Board board;
    const int expected[][3] = {{5, 70, 100}, {8, 40, 70}, {12, 0, 30}};
    for (const auto& e : expected) {
        board.gridSize = static_cast<int16_t>(e[0]);
        ComputeBoardOrigin(board);
        EXPECT_EQ(board.originX, e[1]);
        EXPECT_EQ(board.originY, e[2]);
    }
    // The 12 x 12 board's last row ends at y = 270.
    EXPECT_EQ(board.originY + 12 * CellSize, 270);
}

}  // namespace
}  // namespace velinor
