// Following lines through a layer, and the checks of a whole layer.
#pragma once

#include <cstdint>

#include "core/board.h"

namespace velinor {

enum LayerSelector : int16_t { LayerSolution = 0, LayerPlayer = 1 };

// Results of FollowLine: what stopped the walk at the next cell.
enum FollowResult : int16_t {
    ReachedEndpoint = 1,  // an endpoint of any label, its mark counted up once more
    NextEmpty = -1,
    BadDirection = -2,   // dir is not 1 to 4
    NotFacingBack = -3,  // a piece with no side facing the cell the walk comes from
    RanIntoItself = -4,  // a piece already marked
    LeftGrid = -5,
};

// Maximum number of endpoints from which CheckLayer starts a trace.
constexpr int CheckLabelListSize = 38;

// Any layer selector other than LayerSolution reads the player layer.
inline const Layer& SelectedLayer(const Board& board, int16_t layer) {
    return layer == LayerSolution ? board.solution : board.player;
}

// Walks the line from (x, y) in direction dir, setting traceMarks on each piece it enters (never
// on the start cell); x and y are left on the last piece entered, or the start cell if none.
// Returns a FollowResult.
int16_t FollowLine(Board& board, int8_t& x, int8_t& y, int16_t dir, int16_t layer);

// Clears traceMarks and marks the line through (x, y) both ways; returns the number of cells
// marked, 0 for an empty cell or one off the grid.
int16_t MarkLine(Board& board, int16_t layer, int8_t x, int8_t y);

// The fault count of the layer, 0 exactly when it is a complete valid solution. Rewrites
// errorMarks (non-zero on every cell that takes part in a fault); traceMarks is left as found.
int16_t CheckLayer(Board& board, int16_t layer);

// 1: the player layer is not solved; 0: solved exactly as generated; -1: solved another way.
// errorMarks then hold the player layer's faults.
int16_t CheckSolved(Board& board);

}  // namespace velinor
