// The time graph of the Options dialog: the history of one player at one difficulty as bars two
// pixels wide over a time axis, with the game just finished and the average time marked on it.
#pragma once

#include <cstdint>

#include "platform/gdi/dc.h"
#include "store/settings.h"

namespace velinor {

// Draws from (0, 0) of the context over 127 x 76 pixels. `lastGameMs` is the time of the game
// just finished when it was played by this player at this difficulty, else 0.
void DrawHistoryGraph(DC& dc, const PlayerStats& stats, int32_t difficulty, int32_t lastGameMs);

}  // namespace velinor
