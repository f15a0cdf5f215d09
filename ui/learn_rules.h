// Learn rules: the rules dialog, then the 5 x 5 example with one line left to draw.
#pragma once

#include "game/game_context.h"

namespace velinor {

void OnLearnRules(GameContext& context);

}  // namespace velinor
