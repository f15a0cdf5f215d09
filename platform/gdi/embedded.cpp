#include "platform/gdi/embedded.h"

#include <vector>

namespace velinor {

Bitmap BitmapFromEmbedded(const EmbeddedImage& image) {
    Bitmap bitmap(image.width, image.height, image.bitsPerPixel,
                  std::vector<COLORREF>(image.palette, image.palette + image.paletteSize));
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* in = image.pixels + static_cast<size_t>(y) * image.width;
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.SetValue(x, y, in[x]);
    }
    return bitmap;
}

}  // namespace velinor
