// Inside the drawing layer: raster operation terms and clipping shared by the drawing calls.
#pragma once

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"

namespace velinor::raster {

// D = (D & a) ^ x.
struct Terms {
    uint32_t a = 0;
    uint32_t x = 0;
    uint32_t Apply(uint32_t d) const { return (d & a) ^ x; }
};

bool UsesSource(Rop rop);

// The terms of `rop` for source value s and pattern value p, both already stored values of dst.
Terms TermsOf(Rop rop, uint32_t s, uint32_t p, const Bitmap& dst);

// The logical rectangle (x, y, width, height) in device pixels, cut to the context's clip.
// Works in 64 bits so that coordinates far outside never overflow.
Rect ClipLogical(const DC& dc, int64_t x, int64_t y, int64_t width, int64_t height);

// Applies a no-source operation with the brush to a device rectangle already inside the bitmap.
void PatternFill(Bitmap& dst, const Rect& area, const Brush& brush, Rop rop);

}  // namespace velinor::raster
