#include "render/cells.h"

#include "platform/gdi/blit.h"
#include "platform/gdi/shapes.h"
#include "render/colours.h"

namespace velinor {
namespace {

// The stroke of each direction (up, right, down, left) from the cell centre to its edge. A
// polyline leaves out its last point, so each gives a stroke 2 pixels wide.
constexpr Point StrokePoints[4][4] = {
    {{9, 0}, {9, 10}, {10, 10}, {10, -1}},
    {{9, 9}, {19, 9}, {19, 10}, {8, 10}},
    {{9, 9}, {9, 19}, {10, 19}, {10, 8}},
    {{0, 9}, {10, 9}, {10, 10}, {-1, 10}},
};

// The value painted: the player's lines while playing or while he holds the stylus on a finished
// game, else the solution.
int8_t PaintedValue(const GameContext& context, int index) {
    const GameState& state = context.state;
    const bool own = state.phase == Playing || (state.phase == Finished && state.selectMode < 0);
    return own ? context.board.player[index] : context.board.solution[index];
}

void DrawStroke(DC& dc, int px, int py, int direction) {
    // A value made by hand may carry digits that are no direction.
    if (direction < Up || direction > Left) return;
    Point points[4];
    for (int k = 0; k < 4; ++k)
        points[k] = {px + StrokePoints[direction - 1][k].x, py + StrokePoints[direction - 1][k].y};
    Polyline(dc, points);
}

}  // namespace

int TileOf(int8_t v) {
    switch (v) {
        case -13:
            return 1;
        case -24:
            return 2;
        case -12:
            return 3;
        case -14:
            return 4;
        case -34:
            return 5;
        case -23:
            return 6;
        default:
            return 0;
    }
}

COLORREF CellColour(const Board& board, const Settings& settings, int x, int y) {
    const int index = CellIndex(x, y);
    COLORREF c = settings.lineOK;
    if (board.errorMarks[index] != 0) c = settings.lineVI;
    if (board.revealed[index] != 0) c = HintColour;
    if (board.traceMarks[index] != 0) c = TraceColour;
    return c;
}

void PaintCell(OffscreenBuffer& offscreen, const GameContext& context, int x, int y) {
    DC& buffer = offscreen.buffer;
    const Board& board = context.board;
    const int px = board.originX + CellSize * x, py = board.originY + CellSize * y;
    const int8_t v = PaintedValue(context, CellIndex(x, y));
    BitBlt(buffer, px, py, CellSize, CellSize, offscreen.tileSurface, CellSize * TileOf(v), 0,
           Rop::SrcCopy);
    if (Cell{static_cast<int8_t>(x), static_cast<int8_t>(y)} == context.state.current)
        PatBlt(buffer, px + 1, py + 1, 18, 18, Rop::PatInvert);
    const COLORREF c = CellColour(board, context.settings, x, y);
    if (v >= 1) {
        const int glyphX = CellSize * v, glyphY = CellSize * context.settings.symbolSet;
        // Clear the glyph's pixels, then put them in colour c: the tile stays around them.
        buffer.SetTextColor(RGB(255, 255, 255));
        buffer.SetBkColor(RGB(0, 0, 0));
        BitBlt(buffer, px + 1, py + 1, 18, 18, offscreen.glyphSurface, glyphX, glyphY, Rop::SrcAnd);
        buffer.SetTextColor(RGB(0, 0, 0));
        buffer.SetBkColor(c);
        BitBlt(buffer, px + 1, py + 1, 18, 18, offscreen.glyphSurface, glyphX, glyphY,
               Rop::SrcPaint);
    }
    // Lines in the normal state show by the tile's groove alone.
    if (v < 0 && c != context.settings.lineOK) {
        const int n = -v;
        const Pen previous = buffer.SelectPen(CreatePen(PenStyle::Solid, 1, c));
        DrawStroke(buffer, px, py, n % 10);
        DrawStroke(buffer, px, py, n / 10);
        buffer.SelectPen(previous);
    }
}

}  // namespace velinor
