// Repair of the empty cells the generator's paths leave: detours and line splits.
#pragma once

#include <cstdint>

#include "core/board.h"

namespace velinor {

// 1 when c1 and c2 are grid neighbours holding pieces that face each other, else 0.
int PiecesJoined(const Board& board, Cell c1, Cell c2);

// The piece with sides newSide and keep when v has keep, else newSide and otherwise.
int8_t ReplaceSide(int newSide, int v, int keep, int otherwise);

// Bends a joined two-cell stretch of a line through each pair of empty cells beside it that it
// can reach; returns the number of detours made.
int16_t AddDetours(Board& board);

// Fills the first empty cell it can by cutting a line next to it; the cut-off part becomes the
// line of pair nextPair, which then moves on. Returns 1 when a cell was filled, else 0.
int16_t SplitLineIntoCell(Board& board, int8_t& nextPair);

}  // namespace velinor
