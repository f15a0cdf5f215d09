#include "platform/window/theme.h"

#include "platform/gdi/blit.h"
#include "platform/gdi/text.h"

namespace velinor {

const Brush& WindowBackground() {
    static const Brush brush = CreateSolidBrush(PaperColour);
    return brush;
}

const Brush& DesktopBrush() {
    static const Brush brush = CreateSolidBrush(PaperColour);
    return brush;
}

const Brush& ShadowBrush() {
    static const Brush brush = CreateSolidBrush(ShadowColour);
    return brush;
}

void FillSolid(DC& dc, const Rect& rect, COLORREF colour) {
    FillRect(dc, rect, CreateSolidBrush(colour));
}

void FrameSolid(DC& dc, const Rect& r, COLORREF colour) {
    FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
    FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
    FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

ClipScope::ClipScope(DC& dc, const Rect& logical) : dc_(dc) {
    Point o = dc.ViewportOrg();
    Rect device{logical.left + o.x, logical.top + o.y, logical.right + o.x, logical.bottom + o.y};
    Rect clip = Intersect(dc.DeviceClip(), device);
    // An empty clip rectangle means none at all; one outside every bitmap lets nothing through.
    previous_ = dc.SetClipRect(clip.IsEmpty() ? Rect{-1, -1, 0, 0} : clip);
}

void DrawLabel(DC& dc, std::string_view text, const Rect& rect, COLORREF colour, unsigned format) {
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(colour);
    DrawText(dc, text, rect, format | TextSingleLine);
}

void DrawButtonFace(DC& dc, const Rect& r, std::string_view text, bool pressed) {
    COLORREF face = pressed ? InkColour : PaperColour;
    FillSolid(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, face);
    FillSolid(dc, {r.left + 1, r.top, r.right - 1, r.top + 1}, InkColour);
    FillSolid(dc, {r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, InkColour);
    FillSolid(dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, InkColour);
    FillSolid(dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, InkColour);
    DrawLabel(dc, text, r, pressed ? PaperColour : InkColour, TextCentre | TextVCentre);
}

Rect PopupClientArea(Size size) {
    return {1, 1 + CaptionHeight, size.width - 1, size.height - 1};
}

Size PopupSizeFor(Size client) {
    return {client.width + 2, client.height + CaptionHeight + 2};
}

Rect CaptionOkRect(Size size) {
    return {size.width - 30, 3, size.width - 4, CaptionHeight - 1};
}

void DrawPopupFrame(DC& dc, Size size, std::string_view caption, bool okButton) {
    FrameSolid(dc, {0, 0, size.width, size.height}, InkColour);
    Rect bar{1, 1, size.width - 1, 1 + CaptionHeight};
    FillSolid(dc, bar, CaptionColour);
    Rect title{bar.left + 5, bar.top, bar.right - (okButton ? 34 : 4), bar.bottom};
    DrawLabel(dc, caption, title, PaperColour, TextLeft | TextVCentre);
    if (!okButton) return;
    Rect ok = CaptionOkRect(size);
    FillSolid(dc, {ok.left + 1, ok.top, ok.right - 1, ok.bottom}, PaperColour);
    FillSolid(dc, {ok.left, ok.top + 1, ok.right, ok.bottom - 1}, PaperColour);
    DrawLabel(dc, "ok", ok, CaptionColour, TextCentre | TextVCentre);
}

}  // namespace velinor
