// Options: symbol set, difficulty, line colours, language and player, and the statistics.
#pragma once

#include "game/game_context.h"

namespace velinor {

void OnOptions(GameContext& context);

}  // namespace velinor
