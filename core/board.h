// The puzzle grid: grid size, five layers of cells and the board's place on screen.
#pragma once

#include <array>
#include <cstdint>

namespace velinor {

constexpr int MaxGridSize = 12;
constexpr int CellSize = 20;
constexpr int SymbolLabelCount = 19;
constexpr int LayerCells = MaxGridSize * MaxGridSize;

// 12 x 12 cells stored column by column: cell (x, y) at x * 12 + y, whatever the grid size.
using Layer = std::array<int8_t, LayerCells>;

enum Direction : int16_t { Up = 1, Right = 2, Down = 3, Left = 4 };

struct Cell {
    int8_t x;
    int8_t y;
    friend bool operator==(const Cell&, const Cell&) = default;
};

constexpr Cell NoCell{-1, -1};

struct Board {
    int16_t gridSize = 5;
    Layer solution{};
    Layer player{};
    Layer errorMarks{};
    Layer revealed{};
    Layer traceMarks{};
    int16_t originX = 0;
    int16_t originY = 0;
};

constexpr int CellIndex(int x, int y) {
    return x * MaxGridSize + y;
}

// The grid side as a loop bound: a gridSize beyond the layers' 12 columns never reaches past them.
constexpr int GridExtent(const Board& board) {
    return board.gridSize < 0 ? 0 : (board.gridSize > MaxGridSize ? MaxGridSize : board.gridSize);
}

constexpr bool InGrid(const Board& board, int16_t x, int16_t y) {
    int n = GridExtent(board);
    return x >= 0 && y >= 0 && x < n && y < n;
}

constexpr Direction Opposite(int d) {
    return static_cast<Direction>((d + 1) % 4 + 1);
}

// The neighbour of c in direction d (1 to 4); any other d gives c itself.
constexpr Cell Neighbour(Cell c, int d) {
    switch (d) {
        case Up:
            return {c.x, static_cast<int8_t>(c.y - 1)};
        case Right:
            return {static_cast<int8_t>(c.x + 1), c.y};
        case Down:
            return {c.x, static_cast<int8_t>(c.y + 1)};
        case Left:
            return {static_cast<int8_t>(c.x - 1), c.y};
        default:
            return c;
    }
}

struct Sides {
    int high;
    int low;
};

// Truncating division of the negated value: endpoints and empty cells give digits <= 0, no side.
constexpr Sides PieceSides(int v) {
    return {(-v) / 10, (-v) % 10};
}

constexpr bool HasSide(int v, int d) {
    Sides s = PieceSides(v);
    return s.high == d || s.low == d;
}

// The side of a piece other than d (d must be one of its sides).
constexpr int OtherSide(int v, int d) {
    Sides s = PieceSides(v);
    return s.high == d ? s.low : s.high;
}

constexpr int8_t PieceCode(int sideA, int sideB) {
    return static_cast<int8_t>(sideA < sideB ? -(10 * sideA + sideB) : -(10 * sideB + sideA));
}

int8_t MakePiece(Cell a, Cell c, Cell b);
int CountDifferingCells(const Board& board);
void ClearLayer(Layer& layer);
void ComputeBoardOrigin(Board& board);

}  // namespace velinor
