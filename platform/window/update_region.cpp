#include "platform/window/update_region.h"

#include <algorithm>

namespace velinor {
namespace {

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void UpdateRegion::Add(const Rect& rect) {
    if (rect.IsEmpty()) return;
    for (const Rect& r : Rects()) {
        if (Inside(rect, r)) return;
    }
    auto end = std::remove_if(rects_.begin(), rects_.begin() + count_,
                              [&](const Rect& r) { return Inside(r, rect); });
    count_ = static_cast<int>(end - rects_.begin());
    if (count_ == MaxRects) {
        rects_[0] = Union(Bounds(), rect);
        count_ = 1;
        return;
    }
    rects_[count_++] = rect;
}

Rect UpdateRegion::Bounds() const {
    Rect bounds;
    for (const Rect& r : Rects())
        bounds = Union(bounds, r);
    return bounds;
}

}  // namespace velinor
