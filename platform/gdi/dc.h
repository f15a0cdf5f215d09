// The drawing context: a selected bitmap and the state every drawing call reads.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/objects.h"

namespace velinor {

enum class BkMode { Transparent, Opaque };

// Defaults as the platform's: text black, background white and opaque, black pen, white brush,
// no bitmap (every drawing call then does nothing).
//
// The viewport origin moves logical (0, 0) to that device pixel, so a control can draw in its own
// coordinates; the clip rectangle (device pixels) narrows where drawing lands. Nothing is ever
// written outside the selected bitmap, whatever either says.
class DC {
  public:
    DC() = default;
    explicit DC(Bitmap* bitmap) : bitmap_(bitmap) {}

    Bitmap* SelectBitmap(Bitmap* bitmap);  // returns the previous one
    Bitmap* SelectedBitmap() const { return bitmap_; }

    COLORREF SetTextColor(COLORREF colour);  // each setter returns the previous value
    COLORREF SetBkColor(COLORREF colour);
    BkMode SetBkMode(BkMode mode);
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);

    COLORREF TextColor() const { return textColour_; }
    COLORREF BkColor() const { return bkColour_; }
    BkMode GetBkMode() const { return bkMode_; }
    const Pen& SelectedPen() const { return pen_; }
    const Brush& SelectedBrush() const { return brush_; }

    Point SetViewportOrg(Point origin);
    Point ViewportOrg() const { return origin_; }
    // An empty rectangle (the default) means no clipping beyond the bitmap's edges.
    Rect SetClipRect(const Rect& deviceRect);

    // Where drawing may land, in device pixels: the bitmap's bounds narrowed by the clip
    // rectangle; empty without a bitmap.
    Rect DeviceClip() const;

  private:
    Bitmap* bitmap_ = nullptr;
    COLORREF textColour_ = RGB(0, 0, 0);
    COLORREF bkColour_ = RGB(255, 255, 255);
    BkMode bkMode_ = BkMode::Opaque;
    Pen pen_{};
    Brush brush_{};
    Point origin_{};
    Rect clip_{};
};

}  // namespace velinor
