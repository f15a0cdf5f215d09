// The main window's one timer: the opening animation's frames, then the running clock.
#pragma once

#include "game/game_context.h"

namespace velinor {

// The clock's 100 ms timer, its identifier kept in timerId.
void StartClockTimer(GameContext& game);
void StopTimer(GameContext& game);

// Stops the opening animation if it runs; a running clock's timer is left alone.
void EndIntro(GameContext& game);

// The timer message; the window passes it on to its default handling afterwards.
void OnTimer(GameContext& game);

// Pause: stops the clock of a game in progress.
void OnPause(GameContext& game);

// Resumes a paused game: the pause does not count on the clock.
void ResumeGame(GameContext& game);

}  // namespace velinor
