// Starting a game, and the question asked before a game in progress is abandoned.
#pragma once

#include "game/game_context.h"

namespace velinor {

// A new puzzle from the stored settings; asks nothing and requests no repaint.
void StartNewGame(GameContext& game);

// Command New Game.
void OnNewGame(GameContext& game);

// AbortGoAhead; AbortRefusedPaused while paused; otherwise the answer that declined.
int ConfirmAbort(GameContext& game);

// "This will abort the current game. Continue?" with OK and Cancel; the button pressed.
int AskAbort(GameContext& game);

// The main window's close request: true when the window may close.
bool OnClose(GameContext& game);

}  // namespace velinor
