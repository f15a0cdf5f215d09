#include "render/offscreen.h"

#include "platform/gdi/blit.h"
#include "platform/resources/resources.h"

namespace velinor {
namespace {

constexpr int GlyphStripId = 137;
constexpr int CellTilesId = 144;

// The tiles are copied onto the buffer on every paint: held in the buffer's own format they go
// without a palette lookup per pixel.
std::optional<Bitmap> InScreenFormat(const std::optional<Bitmap>& image) {
    if (!image) return std::nullopt;
    Bitmap copy = CreateCompatibleBitmap(image->Width(), image->Height());
    DC dc(&copy);
    BitBlt(dc, 0, 0, image->Width(), image->Height(), *image, 0, 0, Rop::SrcCopy);
    return copy;
}

}  // namespace

void CreateOffscreen(OffscreenBuffer& offscreen, int width, int height) {
    offscreen.image = CreateCompatibleBitmap(width, height);
    offscreen.buffer = DC(&offscreen.image);
    offscreen.width = width;
    offscreen.height = height;
    PatBlt(offscreen.buffer, 0, 0, width, height, Rop::Whiteness);
    offscreen.glyphStrip = LoadBitmap(GlyphStripId);
    offscreen.cellTiles = InScreenFormat(LoadBitmap(CellTilesId));
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
