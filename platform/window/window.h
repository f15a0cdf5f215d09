// A window: a place on the screen with its own surface, a client area, a message table, timers
// and a region waiting to be painted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/window/message_map.h"
#include "platform/window/update_region.h"

namespace velinor {

class CMenu;

class CWnd : public CCmdTarget {
  public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    bool HasWindow() const { return created_; }

    // Client rectangle: (0, 0) to the client area's width and height.
    void GetClientRect(Rect& rect) const;
    // Adds a client rectangle (the whole client area when null) to the region to paint; with
    // `erase` the next paint first fills that region with the window's background.
    void InvalidateRect(const Rect* rect, bool erase = true);
    void Invalidate(bool erase = true) { InvalidateRect(nullptr, erase); }
    // Paints at once what waits to be painted.
    void UpdateWindow();

    void SetWindowText(std::string_view text);
    const std::string& GetWindowText() const { return text_; }

    // Starts (or restarts) this window's timer `id`; returns `id`, or 0 without a window.
    uint32_t SetTimer(uint32_t id, uint32_t elapse);
    bool KillTimer(uint32_t id);

    // A modal box with the text, caption and buttons (MB_OK or MB_OKCANCEL); IDOK or IDCANCEL.
    int MessageBox(std::string_view text, std::string_view caption, unsigned type = MB_OK);

    void ShowWindow(int showCommand);
    bool IsWindowVisible() const { return created_ && visible_; }
    virtual bool DestroyWindow();

    // Handles the message now / after what waits in the queue.
    void SendMessage(uint32_t message, uint32_t id = 0);
    void PostMessage(uint32_t message, uint32_t id = 0);

    // The menu of the window (a frame's command bar menu); none by default.
    virtual CMenu* GetMenu() { return nullptr; }

    // The paint bracket. The context draws in client pixels; what it draws stays on the window
    // only inside the region that was waiting to be painted, which the bracket takes away.
    DC& BeginPaint();
    void EndPaint();

    // For the window system.
    void WindowProc(const Message& message);
    Rect WindowRect() const { return windowRect_; }
    Point ScreenToClient(Point screen) const;
    const Bitmap& Surface() const { return surface_; }
    bool NeedsPaint() const { return IsWindowVisible() && !invalid_.IsEmpty(); }
    void ValidateAll() { invalid_.Clear(); }
    // Popups cast a shadow on what lies below them.
    bool CastsShadow() const { return castsShadow_; }

  protected:
    // Makes the window: its rectangle on the screen and its client area inside it.
    void CreateWindowAt(const Rect& screenRect, const Rect& clientArea, bool visible);
    void SetCastsShadow(bool shadow) { castsShadow_ = shadow; }

    // What a message gets when no table entry takes it.
    virtual void DefWindowProc(const Message& message);
    // Passes the message being handled on to the default handling.
    void Default();
    // The default timer handling (nothing happens), for handlers that pass the timer on.
    void OnTimer(uint32_t id);

    // Frame and caption, outside the client area: drawn when the window appears or is retitled.
    virtual void DrawNonClient(DC& dc);
    // Drawn at the start of each paint after the erase, before the window's own paint handler:
    // what the platform draws for the window (a dialog's controls, a bar's buttons). `clip` is
    // the painted region's bounding box in client pixels.
    virtual void PaintContent(DC& dc, const Rect& clip);

    // A context on the surface whose (0, 0) is the client pixel `origin` and which draws only
    // inside `clientClip`.
    void PrepareContext(DC& dc, Point origin, const Rect& clientClip);
    Rect ClientArea() const { return clientArea_; }
    void RedrawNonClient();

  private:
    bool created_ = false;
    bool visible_ = false;
    bool castsShadow_ = false;
    Rect windowRect_{};
    Rect clientArea_{};  // in surface pixels
    Bitmap surface_;
    UpdateRegion invalid_;
    bool erase_ = false;
    std::string text_;
    const Message* current_ = nullptr;

    bool painting_ = false;
    UpdateRegion paintRegion_;
    Bitmap beforePaint_;
    DC paintDc_;
};

// The paint bracket as an object: begins when made, ends when gone.
class CPaintDC {
  public:
    explicit CPaintDC(CWnd* window) : window_(window), dc_(&window->BeginPaint()) {}
    ~CPaintDC() { window_->EndPaint(); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    DC& Context() { return *dc_; }

  private:
    CWnd* window_;
    DC* dc_;
};

}  // namespace velinor
