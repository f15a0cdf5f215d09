// The menu texts in the current language: the one text the program keeps between showings.
#pragma once

#include "game/game_context.h"

namespace velinor {

// Relabels the items of the main window's menu for settings.language, keeping every item's
// command identifier. Positions 1 (Pause) and 5 (Options) read the same in both languages.
void ApplyMenuLanguage(GameContext& context);

}  // namespace velinor
