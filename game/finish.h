// The end of a game: Show solution, or a solved board; the statistics of a counted game.
#pragma once

#include "game/game_context.h"

namespace velinor {

// Command Show solution, and the end of a solved game (which asks nothing).
void FinishGame(GameContext& game);

}  // namespace velinor
