// About: the program's name and version, and its credits.
#pragma once

#include <string>

#include "game/game_context.h"

namespace velinor {

// "1.3": the version the settings record carries.
std::string ProgramVersionText();

// Command About: a box with OK alone, captioned "A propos" only when language is exactly 1.
void OnAbout(GameContext& context);

}  // namespace velinor
