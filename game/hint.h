// Hint: the generated line through a cell the player picks is revealed, at a penalty per piece.
#pragma once

#include "game/game_context.h"

namespace velinor {

// Command Hint: the next tap on a cell reveals its line.
void OnHint(GameContext& game);

// Copies the solution's line through cell n into the player's board and marks it revealed;
// each revealed piece is a penalised cell. A cell already revealed reveals nothing.
void RevealLine(GameContext& game, Cell n);

}  // namespace velinor
