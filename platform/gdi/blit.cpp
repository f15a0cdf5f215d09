#include "platform/gdi/blit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gdi/raster.h"

namespace velinor {
namespace raster {

bool UsesSource(Rop rop) {
    return rop == Rop::SrcCopy || rop == Rop::SrcAnd || rop == Rop::SrcPaint ||
           rop == Rop::SrcInvert;
}

Terms TermsOf(Rop rop, uint32_t s, uint32_t p, const Bitmap& dst) {
    const uint32_t all = dst.ValueMask();
    switch (rop) {
        case Rop::SrcCopy:
            return {0, s};
        case Rop::SrcAnd:
            return {s, 0};
        case Rop::SrcPaint:
            return {~s & all, s};
        case Rop::SrcInvert:
            return {all, s};
        case Rop::PatCopy:
            return {0, p};
        case Rop::PatInvert:
            return {all, p};
        case Rop::DstInvert:
            return {all, all};
        case Rop::Blackness:
            return {0, dst.ValueOf(RGB(0, 0, 0))};
        case Rop::Whiteness:
            return {0, dst.ValueOf(RGB(255, 255, 255))};
    }
    return {all, 0};
}

Rect ClipLogical(const DC& dc, int64_t x, int64_t y, int64_t width, int64_t height) {
    const Rect clip = dc.DeviceClip();
    if (width <= 0 || height <= 0 || clip.IsEmpty()) return {};
    const int64_t left = std::max<int64_t>(x + dc.ViewportOrg().x, clip.left);
    const int64_t top = std::max<int64_t>(y + dc.ViewportOrg().y, clip.top);
    const int64_t right = std::min<int64_t>(x + dc.ViewportOrg().x + width, clip.right);
    const int64_t bottom = std::min<int64_t>(y + dc.ViewportOrg().y + height, clip.bottom);
    if (left >= right || top >= bottom) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
            static_cast<int>(bottom)};
}

void PatternFill(Bitmap& dst, const Rect& area, const Brush& brush, Rop rop) {
    if (area.IsEmpty() || UsesSource(rop)) return;
    const bool needsBrush = rop == Rop::PatCopy || rop == Rop::PatInvert;
    if (needsBrush && brush.style == BrushStyle::Null) return;
    if (!needsBrush || brush.style == BrushStyle::Solid) {
        // Bounds and terms held in locals: no pixel store can change them, so the row loop
        // vectorises.
        const Terms t = TermsOf(rop, 0, dst.ValueOf(brush.colour), dst);
        const int left = area.left, width = area.Width();
        // Black over whole rows, the clear that starts every paint, is one run of zero bytes.
        if (t.a == 0 && t.x == 0 && width == dst.Width()) {
            for (int y = area.top; y < area.bottom; ++y)
                dst.Row(y);  // marks the row written
            std::memset(dst.Row(area.top), 0,
                        static_cast<size_t>(width) * area.Height() * sizeof(uint32_t));
            return;
        }
        const uint32_t* first = dst.Row(area.top) + left;
        for (int y = area.top; y < area.bottom; ++y) {
            uint32_t* row = dst.Row(y) + left;
            if (t.a != 0)
                for (int x = 0; x < width; ++x)
                    row[x] = t.Apply(row[x]);
            else if (y == area.top)  // the result does not read the destination: a plain fill
                std::fill_n(row, width, t.x);
            else  // the rows below copy the first, with the C library's widest stores
                std::memcpy(row, first, static_cast<size_t>(width) * sizeof(uint32_t));
        }
        return;
    }
    for (int y = area.top; y < area.bottom; ++y) {
        uint32_t* row = dst.Row(y);
        for (int x = area.left; x < area.right; ++x)
            row[x] = TermsOf(rop, 0, dst.ValueOf(brush.ColourAt(x, y)), dst).Apply(row[x]);
    }
}

}  // namespace raster

namespace {

// Which source pixel each destination column (or row) of the area reads: a fixed offset for a
// plain copy (the area is then already inside the source), one sample per pixel for a stretch
// (-1 where the sample falls outside the source).
struct Mapping {
    int offset = 0;
    bool stretched = false;
    std::vector<int> samples;
};

// Source index for each destination pixel from `first` on, or -1 outside the source.
Mapping Samples(int first, int count, int64_t destStart, int64_t destSize, int64_t srcStart,
                int64_t srcSize, int srcLimit) {
    Mapping m;
    m.stretched = true;
    m.samples.resize(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        const int64_t i = first + k - destStart;
        const int64_t s = srcStart + ((2 * i + 1) * srcSize) / (2 * destSize);
        m.samples[k] = s >= 0 && s < srcLimit ? static_cast<int>(s) : -1;
    }
    return m;
}

// Runs out = op(out, in) over the area.
template <typename Op>
void Combine(Bitmap& target, const Rect& area, const Bitmap& src, const Mapping& columns,
             const Mapping& rows, Op op) {
    const int width = area.Width();
    if (!columns.stretched && !rows.stretched && &src != &target) {
        // A plain copy between two bitmaps, the case of every frame: rows that cannot overlap,
        // so each row is one loop the compiler vectorises without checks.
        for (int y = area.top; y < area.bottom; ++y) {
            const uint32_t* __restrict in = src.Row(y + rows.offset) + area.left + columns.offset;
            uint32_t* __restrict out = target.Row(y) + area.left;
            for (int i = 0; i < width; ++i)
                out[i] = op(out[i], in[i]);
        }
        return;
    }
    for (int j = 0; j < area.Height(); ++j) {
        const int sy = rows.stretched ? rows.samples[j] : area.top + j + rows.offset;
        if (sy < 0) continue;
        const uint32_t* in = src.Row(sy);
        uint32_t* out = target.Row(area.top + j) + area.left;
        if (!columns.stretched) {
            in += area.left + columns.offset;
            for (int i = 0; i < width; ++i)
                out[i] = op(out[i], in[i]);
        } else {
            for (int i = 0; i < width; ++i)
                if (columns.samples[i] >= 0) out[i] = op(out[i], in[columns.samples[i]]);
        }
    }
}

// One loop per source operation; `read` turns a source value into a destination value.
template <typename Read>
void CombineWith(Bitmap& target, const Rect& area, const Bitmap& src, const Mapping& columns,
                 const Mapping& rows, Rop rop, Read read) {
    switch (rop) {
        case Rop::SrcCopy:
            Combine(target, area, src, columns, rows,
                    [read](uint32_t, uint32_t s) { return read(s); });
            break;
        case Rop::SrcAnd:
            Combine(target, area, src, columns, rows,
                    [read](uint32_t d, uint32_t s) { return d & read(s); });
            break;
        case Rop::SrcPaint:
            Combine(target, area, src, columns, rows,
                    [read](uint32_t d, uint32_t s) { return d | read(s); });
            break;
        default:  // SrcInvert, the last operation with a source
            Combine(target, area, src, columns, rows,
                    [read](uint32_t d, uint32_t s) { return d ^ read(s); });
            break;
    }
}

// The colour a source value shows: a 1-bit source through the destination context's colours.
COLORREF SourceColour(const DC& dst, const Bitmap& src, uint32_t value) {
    if (src.BitsPerPixel() == 1) return (value & 1) ? dst.BkColor() : dst.TextColor();
    return src.ColourOf(value);
}

void Transfer(DC& dst, const Rect& area, const Bitmap& src, const Mapping& columns,
              const Mapping& rows, Rop rop) {
    Bitmap& target = *dst.SelectedBitmap();
    const uint32_t mask = src.ValueMask();
    if (!target.HasPalette() && src.BitsPerPixel() == 1) {
        // Two colours: chosen by arithmetic rather than looked up, so the loop vectorises.
        const uint32_t clear = target.ValueOf(dst.TextColor());
        const uint32_t flip = clear ^ target.ValueOf(dst.BkColor());
        CombineWith(target, area, src, columns, rows, rop,
                    [=](uint32_t s) { return clear ^ (flip & (0u - (s & 1))); });
    } else if (target.HasPalette() || src.BitsPerPixel() == 1) {
        // Worked out once per source value, not per pixel.
        // (A palette has 2^depth entries, so every masked value has one.)
        std::array<uint32_t, 256> values;
        for (size_t v = 0; v < src.Palette().size(); ++v)
            values[v] = target.ValueOf(SourceColour(dst, src, static_cast<uint32_t>(v)));
        if (src.HasPalette())
            CombineWith(target, area, src, columns, rows, rop,
                        [&](uint32_t s) { return values[s & mask]; });
        else
            CombineWith(target, area, src, columns, rows, rop,
                        [&](uint32_t s) { return target.ValueOf(s); });
    } else if (src.HasPalette()) {
        const COLORREF* palette = src.Palette().data();
        CombineWith(target, area, src, columns, rows, rop,
                    [=](uint32_t s) { return palette[s & mask]; });
    } else if (rop == Rop::SrcCopy && !columns.stretched && !rows.stretched && &src != &target) {
        // Colour onto colour: whole rows copied as they are, as every frame reaches the window.
        target.CopyRows(area, src, {area.left + columns.offset, area.top + rows.offset});
    } else {
        CombineWith(target, area, src, columns, rows, rop, [=](uint32_t s) { return s & mask; });
    }
}

bool NoBitmap(const DC& dc) {
    return dc.SelectedBitmap() == nullptr;
}

}  // namespace

void PatBlt(DC& dc, int x, int y, int width, int height, Rop rop) {
    if (NoBitmap(dc)) return;
    raster::PatternFill(*dc.SelectedBitmap(), raster::ClipLogical(dc, x, y, width, height),
                        dc.SelectedBrush(), rop);
}

void BitBlt(DC& dst, int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
            Rop rop) {
    StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

void BitBlt(DC& dst, int x, int y, int width, int height, const DC& src, int srcX, int srcY,
            Rop rop) {
    if (NoBitmap(src)) return;
    BitBlt(dst, x, y, width, height, *src.SelectedBitmap(), srcX + src.ViewportOrg().x,
           srcY + src.ViewportOrg().y, rop);
}

void StretchBlt(DC& dst, int x, int y, int width, int height, const Bitmap& src, int srcX, int srcY,
                int srcWidth, int srcHeight, Rop rop) {
    if (NoBitmap(dst) || srcWidth <= 0 || srcHeight <= 0) return;
    const Rect area = raster::ClipLogical(dst, x, y, width, height);
    if (area.IsEmpty()) return;
    if (!raster::UsesSource(rop)) {
        raster::PatternFill(*dst.SelectedBitmap(), area, dst.SelectedBrush(), rop);
        return;
    }
    const int64_t left = int64_t{x} + dst.ViewportOrg().x;
    const int64_t top = int64_t{y} + dst.ViewportOrg().y;
    if (width == srcWidth && height == srcHeight) {
        // A plain copy: keep to the part of the area whose source lies inside the source.
        Rect inside = Intersect(
            area,
            {static_cast<int>(std::clamp<int64_t>(left - srcX, INT32_MIN, INT32_MAX)),
             static_cast<int>(std::clamp<int64_t>(top - srcY, INT32_MIN, INT32_MAX)),
             static_cast<int>(std::clamp<int64_t>(left - srcX + src.Width(), INT32_MIN, INT32_MAX)),
             static_cast<int>(
                 std::clamp<int64_t>(top - srcY + src.Height(), INT32_MIN, INT32_MAX))});
        if (inside.IsEmpty()) return;
        Mapping columns, rows;
        columns.offset = static_cast<int>(srcX - left);
        rows.offset = static_cast<int>(srcY - top);
        Transfer(dst, inside, src, columns, rows, rop);
        return;
    }
    Transfer(dst, area, src,
             Samples(area.left, area.Width(), left, width, srcX, srcWidth, src.Width()),
             Samples(area.top, area.Height(), top, height, srcY, srcHeight, src.Height()), rop);
}

void StretchBlt(DC& dst, int x, int y, int width, int height, const DC& src, int srcX, int srcY,
                int srcWidth, int srcHeight, Rop rop) {
    if (NoBitmap(src)) return;
    StretchBlt(dst, x, y, width, height, *src.SelectedBitmap(), srcX + src.ViewportOrg().x,
               srcY + src.ViewportOrg().y, srcWidth, srcHeight, rop);
}

void FillRect(DC& dc, const Rect& rect, const Brush& brush) {
    if (NoBitmap(dc)) return;
    raster::PatternFill(
        *dc.SelectedBitmap(),
        raster::ClipLogical(dc, rect.left, rect.top, int64_t{rect.right} - rect.left,
                            int64_t{rect.bottom} - rect.top),
        brush, Rop::PatCopy);
}

void SetPixel(DC& dc, int x, int y, COLORREF colour) {
    if (NoBitmap(dc)) return;
    const Rect p = raster::ClipLogical(dc, x, y, 1, 1);
    if (p.IsEmpty()) return;
    Bitmap& target = *dc.SelectedBitmap();
    target.Row(p.top)[p.left] = target.ValueOf(colour);
}

COLORREF GetPixel(const DC& dc, int x, int y) {
    if (NoBitmap(dc)) return InvalidColour;
    const Rect p = raster::ClipLogical(dc, x, y, 1, 1);
    if (p.IsEmpty()) return InvalidColour;
    const Bitmap& target = *dc.SelectedBitmap();
    return target.ColourOf(target.Row(p.top)[p.left]);
}

}  // namespace velinor
