// Following lines through a layer, and the checks of a whole layer.
#pragma once

#include <cstdint>

#include "core/board.h"

namespace velinor {

enum LayerSelector : int16_t { LayerSolution = 0, LayerPlayer = 1 };

// Results of FollowLine.
enum FollowResult : int16_t {
    ReachedEndpoint = 1,
    NextEmpty = -1,
    BadDirection = -2,
    NotFacingBack = -3,
    RanIntoItself = -4,
    LeftGrid = -5,
};

// Maximum number of endpoints from which CheckLayer starts a trace.
constexpr int CheckLabelListSize = 38;

// Any layer selector other than LayerSolution reads the player layer.
inline const Layer& SelectedLayer(const Board& board, int16_t layer) {
    return layer == LayerSolution ? board.solution : board.player;
}

int16_t FollowLine(Board& board, int8_t& x, int8_t& y, int16_t dir, int16_t layer);
int16_t MarkLine(Board& board, int16_t layer, int8_t x, int8_t y);
int16_t CheckLayer(Board& board, int16_t layer);
int16_t CheckSolved(Board& board);

}  // namespace velinor
