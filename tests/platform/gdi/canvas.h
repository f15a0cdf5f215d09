// Small colour bitmaps for the drawing tests, and the pixels of one colour on them.
#pragma once

#include <set>
#include <utility>

#include "platform/gdi/gdi.h"

namespace velinor::test {

using PixelSet = std::set<std::pair<int, int>>;

// Sets every pixel of a 24-bit bitmap to colour(x, y).
template <typename Colour>
void PaintEach(Bitmap& bitmap, Colour colour) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            bitmap.Row(y)[x] = colour(x, y);
}

// A 24-bit bitmap filled with one colour, with a context drawing on it.
struct Canvas {
    Bitmap bitmap;
    DC dc;

    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0))
        : bitmap(CreateCompatibleBitmap(width, height)), dc(&bitmap) {
        PaintEach(bitmap, [=](int, int) { return fill; });
    }
    Canvas(const Canvas&) = delete;

    COLORREF At(int x, int y) const { return bitmap.ColourOf(bitmap.Value(x, y)); }

    PixelSet PixelsOf(COLORREF colour) const {
        PixelSet set;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (At(x, y) == colour) set.insert({x, y});
        return set;
    }
};

// Every pixel of the rectangle [left, right) x [top, bottom).
inline PixelSet Block(int left, int top, int right, int bottom) {
    PixelSet set;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            set.insert({x, y});
    return set;
}

inline PixelSet Union(PixelSet a, const PixelSet& b) {
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace velinor::test
