#include "platform/gdi/shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/gdi/raster.h"

namespace velinor {
namespace {

__extension__ typedef __int128 Wide;

constexpr int DashOn = 18;
constexpr int DashPeriod = 24;

// Floor division for a positive divisor.
Wide FloorDiv(Wide a, Wide b) {
    Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// What a pen puts down: the stored values of its colour and, for dashes, of the gaps.
struct Stroke {
    Bitmap& target;
    Rect clip;
    int width;
    bool dashed;
    bool paintGaps;
    uint32_t ink;
    uint32_t gap;
    int64_t dashPosition = 0;  // pixels of the polyline drawn so far

    void Put(int64_t x, int64_t y, uint32_t value) {
        if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return;
        target.Row(static_cast<int>(y))[x] = value;
    }

    // Pixel `step` of a segment: ink or gap, and the extra pixel of a 2-wide pen.
    void Plot(int64_t x, int64_t y, int64_t step, bool xMajor) {
        uint32_t value = ink;
        if (dashed && (dashPosition + step) % DashPeriod >= DashOn) {
            if (!paintGaps) return;
            value = gap;
        }
        Put(x, y, value);
        if (width == 2) {
            if (xMajor)
                Put(x, y - 1, value);
            else
                Put(x - 1, y, value);
        }
    }

    // Pixels major lo..hi (inclusive, already inside the clip) on line `minor`: a straight
    // solid run, the clip of the other axis checked once.
    void Run(bool xMajor, int64_t lo, int64_t hi, int64_t minor) {
        if (lo > hi || minor < (xMajor ? clip.top : clip.left) ||
            minor >= (xMajor ? clip.bottom : clip.right))
            return;
        if (xMajor) {
            uint32_t* row = target.Row(static_cast<int>(minor));
            std::fill(row + lo, row + hi + 1, ink);
        } else {
            for (int64_t y = lo; y <= hi; ++y)
                target.Row(static_cast<int>(y))[minor] = ink;
        }
    }

    // The segment from a to b (device pixels) without b. The pixels are worked out from the end
    // with the smaller main coordinate, so they do not depend on which end starts; only the
    // pixels inside the clip along the main axis are visited.
    void Segment(int64_t ax, int64_t ay, int64_t bx, int64_t by) {
        const bool xMajor = std::llabs(bx - ax) >= std::llabs(by - ay);
        int64_t major0 = xMajor ? ax : ay, minor0 = xMajor ? ay : ax;
        int64_t major1 = xMajor ? bx : by, minor1 = xMajor ? by : bx;
        const bool reversed = major1 < major0;
        if (reversed) {
            std::swap(major0, major1);
            std::swap(minor0, minor1);
        }
        const int64_t n = major1 - major0;
        if (n == 0) return;
        const Wide dm = Wide{minor1} - minor0;
        const int64_t lowClip = xMajor ? clip.left : clip.top;
        const int64_t highClip = xMajor ? clip.right : clip.bottom;
        const int64_t first = std::max<int64_t>(0, lowClip - major0);
        const int64_t last = std::min<int64_t>(n, highClip - 1 - major0);
        const int64_t skipped = reversed ? 0 : n;  // the step that lands on b
        // Straight solid segments (the cells' strokes, frames) are most of what is drawn.
        if (dm == 0 && !dashed) {
            const int64_t from = major0 + std::max<int64_t>(first, skipped == 0 ? 1 : 0);
            const int64_t to = major0 + std::min<int64_t>(last, skipped == n ? n - 1 : n);
            Run(xMajor, from, to, minor0);
            if (width == 2) Run(xMajor, from, to, minor0 - 1);
            return;
        }
        for (int64_t i = first; i <= last; ++i) {
            if (i == skipped) continue;
            // Straight lines, the common case, need no wide division.
            const int64_t minor =
                dm == 0
                    ? minor0
                    : minor0 + static_cast<int64_t>(FloorDiv(2 * Wide{i} * dm + n, 2 * Wide{n}));
            const int64_t major = major0 + i;
            const int64_t step = reversed ? n - i : i;
            if (xMajor)
                Plot(major, minor, step, true);
            else
                Plot(minor, major, step, false);
        }
        dashPosition = (dashPosition + n) % DashPeriod;
    }
};

// The points in device pixels, kept in 64 bits.
struct DevicePoint {
    int64_t x;
    int64_t y;
};

// out holds as many points as points.
void ToDevice(const DC& dc, std::span<const Point> points, DevicePoint* out) {
    for (const Point& p : points)
        *out++ = {int64_t{p.x} + dc.ViewportOrg().x, int64_t{p.y} + dc.ViewportOrg().y};
}

void StrokePath(DC& dc, std::span<const DevicePoint> path) {
    if (dc.SelectedBitmap() == nullptr || dc.SelectedPen().style == PenStyle::Null) return;
    const Pen& pen = dc.SelectedPen();
    Bitmap& target = *dc.SelectedBitmap();
    Stroke stroke{target,
                  dc.DeviceClip(),
                  pen.width,
                  pen.style == PenStyle::Dash,
                  dc.GetBkMode() == BkMode::Opaque,
                  target.ValueOf(pen.colour),
                  target.ValueOf(dc.BkColor())};
    for (size_t k = 0; k + 1 < path.size(); ++k)
        stroke.Segment(path[k].x, path[k].y, path[k + 1].x, path[k + 1].y);
}

// Alternate-rule fill: on each row, the pixels whose centres lie between pairs of crossings.
void FillPath(DC& dc, std::span<const DevicePoint> path) {
    const Brush& brush = dc.SelectedBrush();
    const Rect clip = dc.DeviceClip();
    if (path.size() < 3 || brush.style == BrushStyle::Null || clip.IsEmpty()) return;
    int64_t low = path[0].y, high = path[0].y;
    for (const DevicePoint& p : path) {
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    }
    const int top = static_cast<int>(std::clamp<int64_t>(low, clip.top, clip.bottom));
    const int bottom = static_cast<int>(std::clamp<int64_t>(high, clip.top, clip.bottom));
    std::vector<double> crossings;
    for (int y = top; y < bottom; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (size_t k = 0; k < path.size(); ++k) {
            const DevicePoint& a = path[k];
            const DevicePoint& b = path[(k + 1) % path.size()];
            if ((a.y <= y) == (b.y <= y)) continue;  // the row's centre is not between them
            const double t = (centre - static_cast<double>(a.y)) / static_cast<double>(b.y - a.y);
            crossings.push_back(static_cast<double>(a.x) + t * static_cast<double>(b.x - a.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const double from = std::max<double>(std::ceil(crossings[k] - 0.5), clip.left);
            const double to = std::min<double>(std::ceil(crossings[k + 1] - 0.5), clip.right);
            if (from < to)
                raster::PatternFill(*dc.SelectedBitmap(),
                                    {static_cast<int>(from), y, static_cast<int>(to), y + 1}, brush,
                                    Rop::PatCopy);
        }
    }
}

}  // namespace

void Polyline(DC& dc, std::span<const Point> points) {
    // A path as short as a cell's stroke stays on the stack: a drag step strokes several.
    std::array<DevicePoint, 8> few;
    std::vector<DevicePoint> many(points.size() > few.size() ? points.size() : 0);
    DevicePoint* path = many.empty() ? few.data() : many.data();
    ToDevice(dc, points, path);
    StrokePath(dc, {path, points.size()});
}

void Polygon(DC& dc, std::span<const Point> points) {
    if (points.empty()) return;
    std::vector<DevicePoint> path(points.size() + 1);
    ToDevice(dc, points, path.data());
    path.back() = path.front();
    FillPath(dc, {path.data(), points.size()});
    StrokePath(dc, path);
}

void Rectangle(DC& dc, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    const int64_t r = int64_t{right} - 1, b = int64_t{bottom} - 1;
    if (dc.SelectedBitmap() != nullptr && dc.SelectedBrush().style != BrushStyle::Null)
        raster::PatternFill(
            *dc.SelectedBitmap(),
            raster::ClipLogical(dc, int64_t{left} + 1, int64_t{top} + 1, r - left - 1, b - top - 1),
            dc.SelectedBrush(), Rop::PatCopy);
    const int64_t ox = dc.ViewportOrg().x, oy = dc.ViewportOrg().y;
    const DevicePoint frame[] = {{left + ox, top + oy},
                                 {r + ox, top + oy},
                                 {r + ox, b + oy},
                                 {left + ox, b + oy},
                                 {left + ox, top + oy}};
    StrokePath(dc, frame);
}

}  // namespace velinor
