#include "platform/window/window.h"

#include <utility>

#include "platform/gdi/blit.h"
#include "platform/window/message_box.h"
#include "platform/window/theme.h"
#include "platform/window/window_system.h"

namespace velinor {
namespace {

Rect Offset(const Rect& r, Point by) {
    return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

}  // namespace

CWnd::~CWnd() {
    if (created_) CWnd::DestroyWindow();
}

void CWnd::CreateWindowAt(const Rect& screenRect, const Rect& clientArea, bool visible) {
    if (created_) DestroyWindow();
    windowRect_ = screenRect;
    clientArea_ = clientArea;
    surface_ = CreateCompatibleBitmap(screenRect.Width(), screenRect.Height());
    created_ = true;
    visible_ = visible;
    invalid_.Clear();
    WindowSystem::Current().AddWindow(*this);
    RedrawNonClient();
    Invalidate(true);
}

bool CWnd::DestroyWindow() {
    if (!created_) return false;
    if (painting_) EndPaint();
    WindowSystem::Current().RemoveWindow(*this);
    created_ = false;
    visible_ = false;
    invalid_.Clear();
    return true;
}

void CWnd::GetClientRect(Rect& rect) const {
    rect = {0, 0, clientArea_.Width(), clientArea_.Height()};
}

void CWnd::InvalidateRect(const Rect* rect, bool erase) {
    if (!created_) return;
    Rect client;
    GetClientRect(client);
    Rect area = rect != nullptr ? Intersect(*rect, client) : client;
    if (area.IsEmpty()) return;
    invalid_.Add(area);
    erase_ = erase_ || erase;
}

void CWnd::UpdateWindow() {
    if (NeedsPaint()) SendMessage(WM_PAINT);
}

void CWnd::SetWindowText(std::string_view text) {
    text_ = text;
    RedrawNonClient();
}

uint32_t CWnd::SetTimer(uint32_t id, uint32_t elapse) {
    if (!created_) return 0;
    WindowSystem& system = WindowSystem::Current();
    system.Timers().Set({this, id}, elapse, system.Now());
    return id;
}

bool CWnd::KillTimer(uint32_t id) {
    return WindowSystem::Current().Timers().Kill({this, id});
}

int CWnd::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    return RunMessageBox(text, caption, type);
}

void CWnd::ShowWindow(int showCommand) {
    if (!created_) return;
    bool show = showCommand != SW_HIDE;
    if (show == visible_) return;
    visible_ = show;
    if (show) Invalidate(true);
    WindowSystem::Current().ScreenChanged();
}

void CWnd::SendMessage(uint32_t message, uint32_t id) {
    WindowSystem::Send({this, message, id, {}});
}

void CWnd::PostMessage(uint32_t message, uint32_t id) {
    WindowSystem::Current().Post({this, message, id, {}});
}

void CWnd::WindowProc(const Message& message) {
    const Message* outer = std::exchange(current_, &message);
    if (!OnCmdMsg(message)) DefWindowProc(message);
    current_ = outer;
}

void CWnd::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_PAINT:
            BeginPaint();
            EndPaint();
            break;
        case WM_CLOSE:
            DestroyWindow();
            break;
        default:
            break;
    }
}

void CWnd::Default() {
    if (current_ != nullptr) DefWindowProc(*current_);
}

void CWnd::OnTimer(uint32_t) {
    Default();
}

Point CWnd::ScreenToClient(Point screen) const {
    return {screen.x - windowRect_.left - clientArea_.left,
            screen.y - windowRect_.top - clientArea_.top};
}

void CWnd::DrawNonClient(DC&) {}

void CWnd::PaintContent(DC&, const Rect&) {}

void CWnd::RedrawNonClient() {
    if (!created_) return;
    DC dc(&surface_);
    DrawNonClient(dc);
    WindowSystem::Current().ScreenChanged();
}

void CWnd::PrepareContext(DC& dc, Point origin, const Rect& clientClip) {
    Point device{clientArea_.left + origin.x, clientArea_.top + origin.y};
    dc = DC(&surface_);
    dc.SetViewportOrg(device);
    Rect clip = Intersect(Offset(clientClip, {clientArea_.left, clientArea_.top}), clientArea_);
    // An empty clip rectangle would mean no clipping at all: one outside the surface draws
    // nothing.
    dc.SetClipRect(clip.IsEmpty() ? Rect{-1, -1, 0, 0} : clip);
}

DC& CWnd::BeginPaint() {
    if (painting_) return paintDc_;
    painting_ = true;
    paintRegion_ = std::exchange(invalid_, UpdateRegion{});
    bool erase = std::exchange(erase_, false);
    WindowSystem::Current().NotePaint(*this, paintRegion_.Rects());
    // Drawing is clipped to the region's bounds, so a region of one rectangle needs nothing kept;
    // with several, what lies between them goes back as it was at the end.
    if (paintRegion_.Rects().size() > 1) beforePaint_ = surface_;
    Rect bounds = paintRegion_.Bounds();
    PrepareContext(paintDc_, {0, 0}, bounds);
    if (erase) {
        for (const Rect& r : paintRegion_.Rects())
            FillRect(paintDc_, r, WindowBackground());
    }
    PaintContent(paintDc_, bounds);
    return paintDc_;
}

void CWnd::EndPaint() {
    if (!painting_) return;
    painting_ = false;
    if (paintRegion_.Rects().size() > 1) {
        // Keep what the paint drew inside its region; everything else goes back as it was.
        DC keep(&beforePaint_);
        Point at{clientArea_.left, clientArea_.top};
        for (const Rect& r : paintRegion_.Rects()) {
            Rect d = Offset(r, at);
            BitBlt(keep, d.left, d.top, d.Width(), d.Height(), surface_, d.left, d.top,
                   Rop::SrcCopy);
        }
        std::swap(surface_, beforePaint_);
    }
    paintDc_ = DC();
    paintRegion_.Clear();
    WindowSystem::Current().ScreenChanged();
}

}  // namespace velinor
