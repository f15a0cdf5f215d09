// Inside the drawing layer: the raster font the build embeds from platform/gdi/res/font.png.
#pragma once

#include <cstdint>

#include "platform/gdi/embedded.h"

namespace velinor {

// A sheet of 16 x 16 cells, one per Latin-1 code; the pen stands at column `originX` of a cell
// and the cell's top row is the line's top.
struct FontData {
    const EmbeddedImage* sheet;
    int cellWidth;
    int cellHeight;
    int originX;
    int lineHeight;
    const uint8_t* advances;  // 256 entries
};

const FontData& SystemFont();

}  // namespace velinor
