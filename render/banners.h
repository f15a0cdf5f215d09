// The pause bar and the end banners, loaded, copied and released within one paint.
#pragma once

#include "game/game_context.h"
#include "render/offscreen.h"

namespace velinor {

// The red pause bar over the hidden board.
void PaintPauseBanner(OffscreenBuffer& offscreen);

// Perfect! or Accepted solution! over the status band of a game finished without penalty.
void PaintEndBanner(OffscreenBuffer& offscreen, const GameContext& context);

}  // namespace velinor
