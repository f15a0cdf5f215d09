#include "platform/gdi/blit.h"

#include <algorithm>
#include <array>
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
        const Terms t = TermsOf(rop, 0, dst.ValueOf(brush.colour), dst);
        for (int y = area.top; y < area.bottom; ++y) {
            uint32_t* row = dst.Row(y);
            for (int x = area.left; x < area.right; ++x)
                row[x] = t.Apply(row[x]);
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

using raster::Terms;

// Terms for every value of a palette source: the copy's inner loop is then one lookup.
struct SourceTerms {
    std::array<Terms, 256> byValue{};

    SourceTerms(const DC& dst, const Bitmap& src, Rop rop) {
        const Bitmap& target = *dst.SelectedBitmap();
        const size_t entries = src.Palette().size();
        for (size_t i = 0; i < entries; ++i) {
            COLORREF c = src.BitsPerPixel() == 1 ? (i == 0 ? dst.TextColor() : dst.BkColor())
                                                 : src.Palette()[i];
            byValue[i] = raster::TermsOf(rop, target.ValueOf(c), 0, target);
        }
    }
};

// True when the map is one run of consecutive source columns (a plain copy, not a stretch).
bool IsRun(const std::vector<int>& columns) {
    if (columns.empty() || columns[0] < 0) return false;
    for (size_t i = 1; i < columns.size(); ++i)
        if (columns[i] != columns[0] + static_cast<int>(i)) return false;
    return true;
}

// Runs op(d, s) over the area with source rows and columns picked by the maps (one entry per
// destination row and column; -1 leaves that pixel alone).
template <typename Op>
void Combine(Bitmap& target, const Rect& area, const Bitmap& src, const std::vector<int>& columns,
             const std::vector<int>& rows, Op op) {
    const int width = area.Width();
    const bool run = IsRun(columns);
    for (int j = 0; j < area.Height(); ++j) {
        if (rows[j] < 0) continue;
        const uint32_t* in = src.Row(rows[j]);
        uint32_t* out = target.Row(area.top + j) + area.left;
        if (run) {
            in += columns[0];
            for (int i = 0; i < width; ++i)
                out[i] = op(out[i], in[i]);
        } else {
            for (int i = 0; i < width; ++i)
                if (columns[i] >= 0) out[i] = op(out[i], in[columns[i]]);
        }
    }
}

void Transfer(DC& dst, const Rect& area, const Bitmap& src, const std::vector<int>& columns,
              const std::vector<int>& rows, Rop rop) {
    Bitmap& target = *dst.SelectedBitmap();
    if (src.HasPalette()) {
        const SourceTerms terms(dst, src, rop);
        Combine(target, area, src, columns, rows,
                [&](uint32_t d, uint32_t s) { return terms.byValue[s].Apply(d); });
        return;
    }
    if (target.HasPalette()) {
        Combine(target, area, src, columns, rows, [&](uint32_t d, uint32_t s) {
            return raster::TermsOf(rop, target.ValueOf(s), 0, target).Apply(d);
        });
        return;
    }
    // Colour onto colour: one loop per operation keeps the common copies fast.
    switch (rop) {
        case Rop::SrcCopy:
            Combine(target, area, src, columns, rows, [](uint32_t, uint32_t s) { return s; });
            break;
        case Rop::SrcAnd:
            Combine(target, area, src, columns, rows, [](uint32_t d, uint32_t s) { return d & s; });
            break;
        case Rop::SrcPaint:
            Combine(target, area, src, columns, rows, [](uint32_t d, uint32_t s) { return d | s; });
            break;
        default:  // SrcInvert, the last operation with a source
            Combine(target, area, src, columns, rows, [](uint32_t d, uint32_t s) { return d ^ s; });
            break;
    }
}

// Source index for each destination pixel from `first` on, or -1 outside the source.
std::vector<int> SampleMap(int first, int count, int64_t destStart, int64_t destSize,
                           int64_t srcStart, int64_t srcSize, int srcLimit) {
    std::vector<int> map(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        const int64_t i = first + k - destStart;
        const int64_t s = srcStart + ((2 * i + 1) * srcSize) / (2 * destSize);
        map[k] = s >= 0 && s < srcLimit ? static_cast<int>(s) : -1;
    }
    return map;
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
    Transfer(dst, area, src,
             SampleMap(area.left, area.Width(), left, width, srcX, srcWidth, src.Width()),
             SampleMap(area.top, area.Height(), top, height, srcY, srcHeight, src.Height()), rop);
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
