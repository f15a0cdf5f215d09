// The texts of the status band: prompts, the clock, the penalty line and the best time.
#pragma once

#include "game/game_context.h"
#include "render/offscreen.h"

namespace velinor {

// The prompt before the first touch; afterwards the clock, the penalty line and what the game
// waits for.
void PaintStatusTexts(OffscreenBuffer& offscreen, const GameContext& context);

// The best time of the current difficulty, shown only when the current player has one.
void PaintBestTime(OffscreenBuffer& offscreen, const Settings& settings);

// One line at the top of the rectangle, clipped to it, in the colour given.
void DrawStatusText(OffscreenBuffer& offscreen, const char* text, const Rect& rect,
                    unsigned alignment, COLORREF colour);

}  // namespace velinor
