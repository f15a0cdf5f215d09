#include "render/banners.h"

#include <optional>

#include "platform/gdi/blit.h"
#include "platform/resources/resources.h"
#include "render/colours.h"

namespace velinor {
namespace {

constexpr int PerfectBannerId = 114;
constexpr int AcceptedBannerId = 115;
constexpr int PauseBannerId = 147;

// Copies part of a banner through the glyph surface, with the buffer's text colour for its
// clear pixels and `letters` for its set ones; a banner that fails to load is skipped.
void CopyBanner(OffscreenBuffer& offscreen, int id, const Rect& to, int fromY, COLORREF letters) {
    std::optional<Bitmap> banner = LoadBitmap(id);
    if (!banner) return;
    offscreen.buffer.SetBkColor(letters);
    Bitmap* glyphs = offscreen.glyphSurface.SelectBitmap(&*banner);
    BitBlt(offscreen.buffer, to.left, to.top, to.Width(), to.Height(), offscreen.glyphSurface, 0,
           fromY, Rop::SrcCopy);
    offscreen.glyphSurface.SelectBitmap(glyphs);
}

}  // namespace

void PaintPauseBanner(OffscreenBuffer& offscreen) {
    // The bar is red and the shapes (its set pixels) black.
    offscreen.buffer.SetTextColor(AlertColour);
    CopyBanner(offscreen, PauseBannerId, {75, 100, 75 + 91, 100 + 15}, 0, RGB(0, 0, 0));
}

void PaintEndBanner(OffscreenBuffer& offscreen, const GameContext& context) {
    const GameState& state = context.state;
    if (state.phase != Finished || state.penaltyCells != 0) return;
    const bool english = context.settings.language == 0;
    if (state.endCheck == 0)
        CopyBanner(offscreen, PerfectBannerId, {90, 13, 90 + 65, 13 + 13}, english ? 13 : 0,
                   PerfectColour);
    else if (state.selectMode >= 0)
        CopyBanner(offscreen, AcceptedBannerId,
                   english ? Rect{40, 13, 40 + 156, 13 + 17} : Rect{40, 13, 40 + 156, 13 + 18},
                   english ? 19 : 0, AcceptedColour);
}

}  // namespace velinor
