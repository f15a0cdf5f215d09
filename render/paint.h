// The main window's paint handler: the status band, the board and the banners.
#pragma once

#include "game/game_context.h"
#include "render/intro.h"
#include "render/offscreen.h"

namespace velinor {

// Composes the frame that redrawMode asks for in the buffer and copies it to the window; while
// the opening animation runs the frame is the animation's.
void PaintMainWindow(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context);

}  // namespace velinor
