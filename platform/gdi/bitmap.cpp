#include "platform/gdi/bitmap.h"

#include <utility>

namespace velinor {
namespace {

const COLORREF StandardSixteen[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

COLORREF DefaultEntry(int bitsPerPixel, size_t index) {
    if (bitsPerPixel == 1) return index == 0 ? RGB(0, 0, 0) : RGB(255, 255, 255);
    if (bitsPerPixel == 4) return StandardSixteen[index];
    int grey = static_cast<int>(index);
    return RGB(grey, grey, grey);
}

int DistanceSquared(COLORREF a, COLORREF b) {
    int dr = GetRValue(a) - GetRValue(b);
    int dg = GetGValue(a) - GetGValue(b);
    int db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

}  // namespace

Bitmap::Bitmap(int width, int height, int bitsPerPixel, std::vector<COLORREF> palette)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      bitsPerPixel_(bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 ? bitsPerPixel
                                                                                : 24),
      palette_(std::move(palette)),
      pixels_(static_cast<size_t>(width_) * height_, 0) {
    if (bitsPerPixel_ == 24) {
        palette_.clear();
        return;
    }
    const size_t entries = size_t{1} << bitsPerPixel_;
    valueMask_ = static_cast<uint32_t>(entries - 1);
    palette_.resize(entries < palette_.size() ? entries : palette_.size());
    for (size_t i = palette_.size(); i < entries; ++i)
        palette_.push_back(DefaultEntry(bitsPerPixel_, i));
}

uint32_t Bitmap::Value(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[x];
}

void Bitmap::SetValue(int x, int y, uint32_t value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x] = value & valueMask_;
}

COLORREF Bitmap::ColourOf(uint32_t value) const {
    if (bitsPerPixel_ == 24) return value & 0xFFFFFF;
    return palette_[value & valueMask_];
}

uint32_t Bitmap::ValueOf(COLORREF colour) const {
    if (bitsPerPixel_ == 24) return colour & 0xFFFFFF;
    uint32_t best = 0;
    int bestDistance = DistanceSquared(colour, palette_[0]);
    for (uint32_t i = 1; i < palette_.size() && bestDistance != 0; ++i) {
        int d = DistanceSquared(colour, palette_[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace velinor
