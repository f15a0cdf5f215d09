#include "platform/gdi/embedded.h"

#include <vector>

namespace velinor {

Bitmap BitmapFromEmbedded(const EmbeddedImage& image) {
    Bitmap bitmap(image.width, image.height, image.bitsPerPixel,
                  std::vector<COLORREF>(image.palette, image.palette + image.paletteSize));
    // Row by row without per-pixel checks: a banner is loaded anew on every paint that shows it.
    const uint32_t mask = bitmap.ValueMask();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* in = image.pixels + static_cast<size_t>(y) * image.width;
        uint32_t* out = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            out[x] = in[x] & mask;
    }
    return bitmap;
}

}  // namespace velinor
