// The part of a window that waits for its paint: a few rectangles, merged when they grow many.
#pragma once

#include <array>
#include <span>

#include "platform/gdi/colour.h"

namespace velinor {

class UpdateRegion {
  public:
    // Empty rectangles add nothing; one inside a rectangle already there adds nothing either.
    void Add(const Rect& rect);
    void Clear() { count_ = 0; }
    bool IsEmpty() const { return count_ == 0; }
    Rect Bounds() const;
    std::span<const Rect> Rects() const { return {rects_.data(), static_cast<size_t>(count_)}; }

  private:
    // Past this many pieces the region becomes their bounding box: a little more is painted,
    // never less.
    static constexpr int MaxRects = 8;
    std::array<Rect, MaxRects> rects_{};
    int count_ = 0;
};

Rect Union(const Rect& a, const Rect& b);

}  // namespace velinor
