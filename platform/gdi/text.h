// Text drawn from the program's 1-bit raster font (Latin-1 glyphs, UTF-8 in).
#pragma once

#include <string_view>

#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"

namespace velinor {

// Flags of DrawText; left and top are the defaults.
enum TextFormat : unsigned {
    TextLeft = 0,
    TextCentre = 1,
    TextRight = 2,
    TextVCentre = 4,      // the block of lines centred vertically in the rectangle
    TextBottom = 8,       // the block of lines at the bottom of the rectangle
    TextWordBreak = 16,   // lines too wide for the rectangle break at spaces
    TextSingleLine = 32,  // line breaks are not honoured (they draw nothing)
    TextNoClip = 64,      // draw past the rectangle (never past the bitmap)
};

// Height in pixels of one line of text.
int TextLineHeight();

// Width of one line of text (line breaks ignored).
int TextWidth(std::string_view utf8);

// The size the text takes when laid out by DrawText with this format in this width: the
// widest line and the number of lines times the line height.
Size MeasureText(std::string_view utf8, int width, unsigned format);

// Draws text in a rectangle (logical coordinates) in the text colour. Lines break at "\r\n",
// "\n" and "\r" unless TextSingleLine is given; each line is aligned on its own. In opaque
// background mode each line's box (its width by the line height) is first filled with the
// background colour. Characters beyond Latin-1 and broken UTF-8 draw as '?'.
// Returns the height of the text drawn.
int DrawText(DC& dc, std::string_view utf8, const Rect& rect, unsigned format);

}  // namespace velinor
