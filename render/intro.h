// The opening animation: stars, an expanding ring, a sparkle and the title.
#pragma once

#include "game/game_context.h"
#include "render/offscreen.h"

namespace velinor {

// Tables made on the set-up frame and kept for the rest of the animation.
struct IntroScene {};

// One frame of the animation, drawn into the buffer and copied to the window.
void PaintIntroFrame(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context);

}  // namespace velinor
