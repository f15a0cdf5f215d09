#include "render/offscreen.h"

#include "platform/gdi/blit.h"
#include "platform/resources/resources.h"

namespace velinor {

constexpr int GlyphStripId = 137;
constexpr int CellTilesId = 144;

void CreateOffscreen(OffscreenBuffer& offscreen, int width, int height) {
    offscreen.image = CreateCompatibleBitmap(width, height);
    offscreen.buffer = DC(&offscreen.image);
    offscreen.width = width;
    offscreen.height = height;
    PatBlt(offscreen.buffer, 0, 0, width, height, Rop::Whiteness);
    offscreen.glyphStrip = LoadBitmap(GlyphStripId);
    offscreen.cellTiles = LoadBitmap(CellTilesId);
    offscreen.glyphSurface = DC(offscreen.glyphStrip ? &*offscreen.glyphStrip : nullptr);
    offscreen.tileSurface = DC(offscreen.cellTiles ? &*offscreen.cellTiles : nullptr);
    offscreen.created = true;
}

void DestroyOffscreen(OffscreenBuffer& offscreen) {
    offscreen.buffer = DC();
    offscreen.glyphSurface = DC();
    offscreen.tileSurface = DC();
    offscreen.image = Bitmap();
    offscreen.glyphStrip.reset();
    offscreen.cellTiles.reset();
    offscreen.width = 0;
    offscreen.height = 0;
    offscreen.created = false;
}

}  // namespace velinor
