// Block transfers, pattern fills and single pixels.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"

namespace velinor {

// The raster operations the program uses. D is the destination, S the source, P the brush:
// SrcCopy S, SrcAnd D & S, SrcPaint D | S, SrcInvert D ^ S, PatCopy P, PatInvert D ^ P,
// DstInvert ~D, Blackness 0 (black), Whiteness all ones (white).
// Brush operations are done as D = (D & A) ^ X with A and X worked out once per brush colour;
// copies read palette and 1-bit sources through a table made once per copy.
enum class Rop {
    SrcCopy,
    SrcAnd,
    SrcPaint,
    SrcInvert,
    PatCopy,
    PatInvert,
    DstInvert,
    Blackness,
    Whiteness
};

// A 1-bit source reaching a destination of more bits goes through the destination context's
// colours: set pixels (1) take the background colour, clear pixels (0) the text colour.
// Other sources give their palette colours. The source rectangle is clipped to the source
// bitmap: destination pixels whose source lies outside it stay untouched.
//
// PatBlt takes only the brush and no-source operations (PatCopy, PatInvert, DstInvert,
// Blackness, Whiteness); BitBlt and StretchBlt take any. A source operation in PatBlt does
// nothing.
void PatBlt(DC& dc, int x, int y, int width, int height, Rop rop);
void BitBlt(DC& dst, int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
            Rop rop);
// The source context's bitmap and viewport origin; nothing happens when it has no bitmap.
void BitBlt(DC& dst, int x, int y, int width, int height, const DC& src, int srcX, int srcY,
            Rop rop);
// Nearest-neighbour scaling: destination pixel i samples source pixel srcX + (2i + 1) * srcWidth
// / (2 * width). Sizes of zero or less draw nothing.
void StretchBlt(DC& dst, int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                int srcWidth, int srcHeight, Rop rop);
void StretchBlt(DC& dst, int x, int y, int width, int height, const DC& src, int srcX, int srcY,
                int srcWidth, int srcHeight, Rop rop);

// Fills a rectangle (logical coordinates) with a brush, as the platform's FillRect.
void FillRect(DC& dc, const Rect& rect, const Brush& brush);

void SetPixel(DC& dc, int x, int y, COLORREF colour);
// The colour shown at a pixel, or InvalidColour outside the bitmap or the clip rectangle.
COLORREF GetPixel(const DC& dc, int x, int y);

}  // namespace velinor
