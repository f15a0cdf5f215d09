// The puzzle generator: random paths, repair of the cells they leave, labels, check.
#pragma once

#include <array>
#include <cstdint>

#include "core/board.h"

namespace velinor {

// Symbol set 0 shows digits: p pairs are labelled out of 1 to p + 1. Any other set labels out
// of all 19 symbols.
constexpr int16_t DigitSymbols = 0;

// 0 when the solution layer holds a labelled, checked puzzle; 1 with 19 or more pairs (raw pair
// numbers left in the layer); otherwise the fault count of the layer check.
int16_t GeneratePuzzle(Board& board, int16_t symbolSet);

// The first empty cell, from a random one onward, with two empty neighbours: a is the random one
// of those neighbours where the path begins, dirBack the direction from a back to that cell.
bool PickPathStart(Board& board, Cell& a, Direction& dirBack);

// Lays a random self-avoiding path of at most maxLen cells from a through its neighbour in
// dirBack, with pair at both ends. Returns its length; -1 for a bad dirBack, -2 off the grid.
int8_t RandomWalkPath(Board& board, Cell a, int16_t dirBack, int maxLen, int8_t pair);

// Grows endpoints into empty neighbouring cells; returns how many moved.
int16_t ExtendEndpoints(Board& board);

// The label permutation: entry v is the label of pair v.
using LabelTable = std::array<int8_t, SymbolLabelCount + 1>;

// Permutes the first count entries (at most the whole table) with count * 100 random swaps.
void ShuffleBytes(LabelTable& table, int count);

}  // namespace velinor
