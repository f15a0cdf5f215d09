// One step of a stroke: the piece of the cell the stylus leaves, the highlighted line and the
// endpoint it still has to reach.
#pragma once

#include "core/board.h"
#include "game/game_state.h"

namespace velinor {

// The stylus pressed or moved onto cell n, which is on the grid.
void StrokeStep(Board& board, GameState& state, Cell n);

}  // namespace velinor
