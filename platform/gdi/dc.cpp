#include "platform/gdi/dc.h"

#include <utility>

namespace velinor {

Bitmap* DC::SelectBitmap(Bitmap* bitmap) {
    return std::exchange(bitmap_, bitmap);
}

COLORREF DC::SetTextColor(COLORREF colour) {
    return std::exchange(textColour_, colour & 0xFFFFFF);
}

COLORREF DC::SetBkColor(COLORREF colour) {
    return std::exchange(bkColour_, colour & 0xFFFFFF);
}

BkMode DC::SetBkMode(BkMode mode) {
    return std::exchange(bkMode_, mode);
}

Pen DC::SelectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Brush DC::SelectBrush(const Brush& brush) {
    return std::exchange(brush_, brush);
}

Point DC::SetViewportOrg(Point origin) {
    return std::exchange(origin_, origin);
}

Rect DC::SetClipRect(const Rect& deviceRect) {
    return std::exchange(clip_, deviceRect);
}

Rect DC::DeviceClip() const {
    if (bitmap_ == nullptr) return {};
    if (clip_.IsEmpty()) return bitmap_->Bounds();
    return Intersect(bitmap_->Bounds(), clip_);
}

}  // namespace velinor
