#include "platform/gdi/bitmap.h"

#include <cstring>
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
      pixels_(static_cast<size_t>(width_) * height_, 0),
      stamps_(static_cast<size_t>(height_), 0) {
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

Bitmap::Identity::Identity() {
    static uint64_t issued = 0;
    value = ++issued;
}

Bitmap::Identity& Bitmap::Identity::operator=(const Identity&) {
    value = Identity().value;
    return *this;
}

void Bitmap::CopyRows(const Rect& area, const Bitmap& src, Point from) {
    const size_t bytes = static_cast<size_t>(area.Width()) * sizeof(uint32_t);
    const auto copy = [&](int y, int srcY) {
        std::memcpy(Row(y) + area.left, src.Row(srcY) + from.x, bytes);
    };
    // Only copies of whole source rows are remembered, as a frame reaches the window: for a
    // tile's few columns the bookkeeping would cost more than the copy.
    if (area.Width() != src.width_) {
        for (int y = area.top, srcY = from.y; y < area.bottom; ++y, ++srcY)
            copy(y, srcY);
        return;
    }
    const CopySource now{
        src.identity_.value, {from.x - area.left, from.y - area.top}, area.left, area.Width()};
    if (now != copiedFrom_) {  // rare: the window takes its frames from one place
        copiedFrom_ = now;
        copies_.assign(static_cast<size_t>(height_), RowCopy{});
    }
    for (int y = area.top, srcY = from.y; y < area.bottom; ++y, ++srcY) {
        RowCopy& last = copies_[static_cast<size_t>(y)];
        if (stamps_[static_cast<size_t>(y)] == last.stamp &&
            src.stamps_[static_cast<size_t>(srcY)] <= last.sourceGeneration)
            continue;
        copy(y, srcY);
        last = {src.generation_, generation_};
    }
    // Later writes on either side now carry a newer stamp than the copy recorded.
    ++src.generation_;
    ++generation_;
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
