// Pens, brushes and the stock objects.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colour.h"

namespace velinor {

enum class PenStyle { Solid, Dash, Null };

// Width 1 or 2; a width-2 stroke adds the pixel before each line pixel across the line's
// main direction (left of a vertical line, above a horizontal one).
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    COLORREF colour = RGB(0, 0, 0);
};

// Widths outside 1..2 are taken as the nearest of them.
Pen CreatePen(PenStyle style, int width, COLORREF colour);
// How many pens CreatePen has made since the program started: lets tests hold a paint to the
// pens it should make.
uint64_t CreatedPenCount();

enum class BrushStyle { Solid, Pattern, Null };

// A pattern brush keeps its own copy of the image's colours (as the platform did), so the
// bitmap it was made from may go at once. The pattern tiles from the destination bitmap's
// origin, whatever the drawing context's viewport origin.
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    COLORREF colour = RGB(255, 255, 255);
    int patternWidth = 0;
    int patternHeight = 0;
    std::shared_ptr<const std::vector<COLORREF>> pattern;

    // The brush's colour at a destination pixel.
    COLORREF ColourAt(int x, int y) const;
};

Brush CreateSolidBrush(COLORREF colour);
// An empty image gives a null brush.
Brush CreatePatternBrush(const Bitmap& image);

enum class StockBrush { White, LightGrey, Grey, DarkGrey, Black, Null };
enum class StockPen { White, Black, Null };

// White (255), light grey (192), grey (128), dark grey (64), black; the null brush paints nothing.
const Brush& GetStockBrush(StockBrush which);
const Pen& GetStockPen(StockPen which);

}  // namespace velinor
