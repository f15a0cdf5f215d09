// One cell of the board: its tile, the stylus mark, the symbol and the strokes of a marked line.
#pragma once

#include <cstdint>

#include "game/game_context.h"
#include "platform/types/colour.h"
#include "render/offscreen.h"

namespace velinor {

// The cell tile (0 to 6) a cell value shows: a groove along a path piece, plain for the rest.
int TileOf(int8_t v);

// The cell's colour: lineOK, overridden in turn by lineVI, HintColour and TraceColour as the
// cell is marked by the board check, revealed, or on the line under the stylus.
COLORREF CellColour(const Board& board, const Settings& settings, int x, int y);

// Paints cell (x, y) into the buffer; the glyph strip, the cell tiles and the dark grey brush
// are selected already.
void PaintCell(OffscreenBuffer& offscreen, const GameContext& context, int x, int y);

}  // namespace velinor
