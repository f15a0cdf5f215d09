// The invariants checked after every event of random play. Each returns what is wrong, or an
// empty string.
#pragma once

#include <cstdint>
#include <string>

#include "app/main_frame.h"

namespace velinor::test {

// Every layer holds values of the cell encoding, nothing lies outside the grid, and the player's
// endpoints are the solution's.
std::string CheckBoard(const Board& board);

// Phase, select mode and redraw mode in range; the clock readings in order and never ahead of
// `now`; the stylus cells where the hit test can put them; the timer stopped while paused.
std::string CheckGameState(const GameState& state, uint32_t now, bool timerRunning);

// Every option and statistic in its range.
std::string CheckSettings(const Settings& settings);

// The whole record under the game's key, read back as LoadSettings reads it, equals `saved`.
std::string CheckStoredRecord(const Settings& saved);

}  // namespace velinor::test
