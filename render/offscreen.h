// The image every frame is composed in before one copy reaches the window.
#pragma once

#include <optional>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"

namespace velinor {

struct OffscreenBuffer {
    OffscreenBuffer() = default;
    // The surfaces point at the bitmaps below, so the record stays where it was made.
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    bool created = false;
    Bitmap image;
    DC buffer;
    int width = 0;
    int height = 0;
    DC glyphSurface;
    DC tileSurface;
    // Loaded once at creation; missing when the load failed.
    std::optional<Bitmap> glyphStrip;
    std::optional<Bitmap> cellTiles;
};

// The buffer of the client area's size, filled white, with its two kept bitmaps.
void CreateOffscreen(OffscreenBuffer& offscreen, int width, int height);
void DestroyOffscreen(OffscreenBuffer& offscreen);

}  // namespace velinor
