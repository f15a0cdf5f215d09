// Images built into the executable: what the build makes of the PNGs.
#pragma once

#include <cstdint>

#include "platform/gdi/bitmap.h"

namespace velinor {

enum class EmbeddedKind { Bitmap, Icon, Font };

struct EmbeddedImage {
    EmbeddedKind kind;
    int id;    // resource identifier
    int size;  // an icon's side; 0 for the others
    int width;
    int height;
    int bitsPerPixel;
    int paletteSize;
    const COLORREF* palette;
    const uint8_t* pixels;  // one palette index per pixel, row by row
};

Bitmap BitmapFromEmbedded(const EmbeddedImage& image);

}  // namespace velinor
