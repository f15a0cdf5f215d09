// The puzzle grid: grid size, five layers of cells and the board's place on screen.
#pragma once

#include <algorithm>
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

// The step of direction d (1 to 4) along x and y. Computed rather than switched on or looked up:
// a walk that turns pays neither a mispredicted branch nor a load on its way to the next cell.
constexpr int StepX(int d) {
    return (d == Right) - (d == Left);
}
constexpr int StepY(int d) {
    return (d == Down) - (d == Up);
}

// The neighbour of c in direction d (1 to 4); any other d gives c itself.
constexpr Cell Neighbour(Cell c, int d) {
    if (d < Up || d > Left) return c;
    return {static_cast<int8_t>(c.x + StepX(d)), static_cast<int8_t>(c.y + StepY(d))};
}

struct Sides {
    int high;
    int low;
};

// Truncating division of the negated value: endpoints and empty cells give digits <= 0, no side.
constexpr Sides PieceSides(int v) {
    return {(-v) / 10, (-v) % 10};
}

// Bit d (1 to 4) set when the cell value, indexed as an unsigned byte, has side d.
constexpr std::array<uint8_t, 256> MakeSideMasks() {
    std::array<uint8_t, 256> masks{};
    for (int v = -128; v < 128; ++v) {
        Sides s = PieceSides(v);
        for (int d = Up; d <= Left; ++d) {
            if (s.high == d || s.low == d) masks[static_cast<uint8_t>(v)] |= 1 << d;
        }
    }
    return masks;
}

// A table lookup: the checks and the generator ask this for nearly every cell they visit.
inline constexpr std::array<uint8_t, 256> SideMasks = MakeSideMasks();

// Whether cell value v has side d; any d that is not a direction is no side.
constexpr bool HasSide(int8_t v, int d) {
    const bool direction = static_cast<unsigned>(d - Up) < 4;
    return direction & ((SideMasks[static_cast<uint8_t>(v)] >> (d & 7) & 1) != 0);
}

// The layer index of the neighbour of (x, y) in direction d within an n x n grid; -1 when it
// lies outside the grid or d is not a direction.
constexpr int NeighbourIndex(int n, int x, int y, int d) {
    if (d < Up || d > Left) return -1;
    const auto nx = static_cast<unsigned>(x + StepX(d));
    const auto ny = static_cast<unsigned>(y + StepY(d));
    const auto side = static_cast<unsigned>(n);
    return nx < side && ny < side ? CellIndex(static_cast<int>(nx), static_cast<int>(ny)) : -1;
}

// The side of a piece other than d (d must be one of its sides).
constexpr int OtherSide(int v, int d) {
    Sides s = PieceSides(v);
    return s.high + s.low - d;  // without a branch: d is one of the two
}

constexpr int8_t PieceCode(int sideA, int sideB) {
    return static_cast<int8_t>(-(10 * std::min(sideA, sideB) + std::max(sideA, sideB)));
}

int8_t MakePiece(Cell a, Cell c, Cell b);
int CountDifferingCells(const Board& board);

inline void ClearLayer(Layer& layer) {
    layer.fill(0);
}

void ComputeBoardOrigin(Board& board);

}  // namespace velinor
