#include "render/paint.h"

#include "platform/gdi/blit.h"
#include "platform/gdi/text.h"
#include "platform/window/window_system.h"
#include "render/banners.h"
#include "render/cells.h"
#include "render/colours.h"
#include "render/layout.h"
#include "render/status.h"

namespace velinor {
namespace {

bool InStroke(const GameState& state, Cell cell) {
    return cell == state.current || cell == state.previous || cell == state.target;
}

void PaintBoard(OffscreenBuffer& offscreen, const GameContext& context) {
    DC& buffer = offscreen.buffer;
    offscreen.glyphSurface.SelectBitmap(&*offscreen.glyphStrip);
    offscreen.tileSurface.SelectBitmap(&*offscreen.cellTiles);
    const Brush previous = buffer.SelectBrush(GetStockBrush(StockBrush::DarkGrey));
    const GameState& state = context.state;
    const int size = GridExtent(context.board);
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            const Cell cell{static_cast<int8_t>(x), static_cast<int8_t>(y)};
            if (state.redrawMode == RedrawIncremental && !InStroke(state, cell)) continue;
            PaintCell(offscreen, context, x, y);
        }
    }
    buffer.SelectBrush(previous);
    buffer.SetTextColor(RGB(0, 0, 0));
    PaintEndBanner(offscreen, context);
}

}  // namespace

void PaintMainWindow(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context) {
    GameState& state = context.state;
    // Before the buffer exists every drawing call below finds no bitmap and does nothing.
    PatBlt(offscreen.buffer, 0, 0, offscreen.width,
           state.redrawMode == RedrawFull ? offscreen.height : StatusBandHeight, Rop::Blackness);
    if (state.introStart != 0) {
        PaintIntroFrame(offscreen, scene, context);
        return;
    }
    // In the other phases the clock stays frozen at its last reading.
    if (state.phase == Playing) state.clockEnd = GetTickCount();
    PaintStatusTexts(offscreen, context);
    PaintBestTime(offscreen, context.settings);
    // While paused the board stays hidden: a full redraw cleared it.
    if (state.phase == Paused) {
        PaintPauseBanner(offscreen);
    } else if (state.redrawMode != RedrawStatus) {
        if (!offscreen.glyphStrip || !offscreen.cellTiles)
            DrawStatusText(offscreen, "panique sur les bitmaps!", StatusRect, TextRight,
                           AlertColour);
        else
            PaintBoard(offscreen, context);
    }
    CPaintDC paint(&context.window);
    BitBlt(paint.Context(), 0, 0, offscreen.width,
           state.redrawMode == RedrawStatus ? StatusBandHeight : offscreen.height, offscreen.buffer,
           0, 0, Rop::SrcCopy);
}

}  // namespace velinor
