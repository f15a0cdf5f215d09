#include "core/board.h"

namespace velinor {

namespace {

// The side of c facing a, 0 when a is in neither c's row nor c's column.
int SideToward(Cell a, Cell c) {
    if (a.x == c.x) return a.y < c.y ? Up : Down;
    if (a.y == c.y) return a.x < c.x ? Left : Right;
    return 0;
}

}  // namespace

int8_t MakePiece(Cell a, Cell c, Cell b) {
    if (a == b) return 0;
    int sideA = SideToward(a, c);
    int sideB = SideToward(b, c);
    if (sideA == 0 || sideB == 0) return 0;
    return PieceCode(sideA, sideB);
}

int CountDifferingCells(const Board& board) {
    int n = GridExtent(board);
    int count = 0;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            count += board.player[CellIndex(x, y)] != board.solution[CellIndex(x, y)];
        }
    }
    return count;
}

void ComputeBoardOrigin(Board& board) {
    board.originX = static_cast<int16_t>((MaxGridSize - board.gridSize) * CellSize / 2);
    board.originY = static_cast<int16_t>(board.originX + 30);
}

}  // namespace velinor
