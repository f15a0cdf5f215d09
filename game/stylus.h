// The main window's stylus messages: drawing lines, revealing a hint, erasing a cell with a
// double tap, resuming a paused game and looking at a finished one. Positions are client pixels.
#pragma once

#include "game/game_context.h"

namespace velinor {

// The cell under a position; a coordinate left of or above the board is -1, one right of or
// below it lies outside the grid (never wrapping back onto it).
Cell HitTest(const Board& board, int px, int py);

void OnLButtonDown(GameContext& game, int px, int py);
// Moves arrive only while the stylus touches the screen; each is handled as a press.
void OnMouseMove(GameContext& game, int px, int py);
// Arrives in place of the second press of a quick double tap.
void OnLButtonDblClk(GameContext& game, int px, int py);
void OnLButtonUp(GameContext& game);

}  // namespace velinor
