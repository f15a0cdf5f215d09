#include "platform/gdi/objects.h"

namespace velinor {
namespace {

uint64_t createdPens = 0;

Brush NullBrush() {
    Brush brush;
    brush.style = BrushStyle::Null;
    return brush;
}

}  // namespace

Pen CreatePen(PenStyle style, int width, COLORREF colour) {
    ++createdPens;
    return Pen{style, width >= 2 ? 2 : 1, colour & 0xFFFFFF};
}

uint64_t CreatedPenCount() {
    return createdPens;
}

COLORREF Brush::ColourAt(int x, int y) const {
    if (style != BrushStyle::Pattern) return colour;
    int px = x % patternWidth, py = y % patternHeight;
    if (px < 0) px += patternWidth;
    if (py < 0) py += patternHeight;
    return (*pattern)[static_cast<size_t>(py) * patternWidth + px];
}

Brush CreateSolidBrush(COLORREF colour) {
    Brush brush;
    brush.colour = colour & 0xFFFFFF;
    return brush;
}

Brush CreatePatternBrush(const Bitmap& image) {
    if (image.Width() == 0 || image.Height() == 0) return NullBrush();
    auto colours = std::make_shared<std::vector<COLORREF>>(static_cast<size_t>(image.Width()) *
                                                           image.Height());
    COLORREF* out = colours->data();
    for (int y = 0; y < image.Height(); ++y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            *out++ = image.ColourOf(row[x]);
    }
    return Brush{BrushStyle::Pattern, RGB(0, 0, 0), image.Width(), image.Height(),
                 std::move(colours)};
}

const Brush& GetStockBrush(StockBrush which) {
    static const Brush brushes[] = {
        CreateSolidBrush(RGB(255, 255, 255)), CreateSolidBrush(RGB(192, 192, 192)),
        CreateSolidBrush(RGB(128, 128, 128)), CreateSolidBrush(RGB(64, 64, 64)),
        CreateSolidBrush(RGB(0, 0, 0)),       NullBrush(),
    };
    return brushes[static_cast<int>(which)];
}

const Pen& GetStockPen(StockPen which) {
    static const Pen pens[] = {
        CreatePen(PenStyle::Solid, 1, RGB(255, 255, 255)),
        CreatePen(PenStyle::Solid, 1, RGB(0, 0, 0)),
        CreatePen(PenStyle::Null, 1, RGB(0, 0, 0)),
    };
    return pens[static_cast<int>(which)];
}

}  // namespace velinor
