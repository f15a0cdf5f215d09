#include "platform/window/window_system.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/gdi/blit.h"
#include "platform/window/app.h"
#include "platform/window/dialog.h"
#include "platform/window/theme.h"
#include "platform/window/window.h"

namespace velinor {
namespace {

WindowSystem* current = nullptr;

// A paint handler that never opens the paint bracket would be asked again forever; after this
// many asks in a row its region is given up.
constexpr int MaxUnvalidatedPaints = 64;

Point ClampToScreen(Point p) {
    return {std::clamp(p.x, 0, ScreenWidth - 1), std::clamp(p.y, 0, ScreenHeight - 1)};
}

}  // namespace

WindowSystem::WindowSystem(Backend& backend)
    : backend_(backend), screen_(CreateCompatibleBitmap(ScreenWidth, ScreenHeight)) {
    if (current != nullptr) {
        std::fprintf(stderr, "velinor: a second window system was started\n");
        std::abort();
    }
    current = this;
}

WindowSystem::~WindowSystem() {
    // Windows still standing lose their place here; their objects outlive us harmlessly.
    for (CWnd* window : std::vector<CWnd*>(windows_))
        window->DestroyWindow();
    current = nullptr;
}

WindowSystem& WindowSystem::Current() {
    if (current == nullptr) {
        std::fprintf(stderr, "velinor: no window system is running\n");
        std::abort();
    }
    return *current;
}

void WindowSystem::AddWindow(CWnd& window) {
    windows_.push_back(&window);
    ScreenChanged();
}

void WindowSystem::RemoveWindow(CWnd& window) {
    std::erase(windows_, &window);
    std::erase_if(queue_, [&](const Message& m) { return m.window == &window; });
    timers_.KillAll(&window);
    if (capture_ == &window) capture_ = nullptr;
    if (popup_ == &window) popup_ = nullptr;
    if (lastPainted_ == &window) lastPainted_ = nullptr;
    doubleTap_.Forget();
    ScreenChanged();
}

void WindowSystem::PushModal(CDialog& dialog) {
    // A modal loop takes the stylus from whatever held it, and closes an open menu.
    if (popup_ != nullptr) popup_->DestroyWindow();
    capture_ = nullptr;
    modals_.push_back({&dialog, ++modalSerial_});
}

void WindowSystem::PopModal(CDialog& dialog) {
    std::erase_if(modals_, [&](const Modal& m) { return m.dialog == &dialog; });
}

bool WindowSystem::AcceptsInput(const CWnd* window) const {
    if (window == nullptr || !window->IsWindowVisible()) return false;
    if (modals_.empty()) return true;
    // Only the top modal dialog and the windows above it take input.
    auto modal = std::find(windows_.begin(), windows_.end(), modals_.back().dialog);
    auto it = std::find(windows_.begin(), windows_.end(), window);
    return it != windows_.end() && it >= modal;
}

CWnd* WindowSystem::WindowAt(Point screen) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if ((*it)->IsWindowVisible() && (*it)->WindowRect().Contains(screen)) return *it;
    }
    return nullptr;
}

void WindowSystem::StylusDown(Point screen) {
    screen = ClampToScreen(screen);
    CWnd* window = WindowAt(screen);
    if (popup_ != nullptr && window != popup_) {
        popup_->DestroyWindow();
        capture_ = nullptr;
        return;
    }
    if (!AcceptsInput(window)) {
        capture_ = nullptr;
        return;
    }
    capture_ = window;
    bool doubleTap = doubleTap_.Press(window, screen, Now());
    Post(
        {window, doubleTap ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 0, window->ScreenToClient(screen)});
}

void WindowSystem::StylusMove(Point screen) {
    if (capture_ == nullptr) return;
    Point client = capture_->ScreenToClient(ClampToScreen(screen));
    // Moves pile up while a handler is busy; only the latest position matters.
    if (!queue_.empty() && queue_.back().message == WM_MOUSEMOVE &&
        queue_.back().window == capture_) {
        queue_.back().point = client;
        return;
    }
    Post({capture_, WM_MOUSEMOVE, 0, client});
}

void WindowSystem::StylusUp(Point screen) {
    CWnd* window = std::exchange(capture_, nullptr);
    if (window == nullptr) return;
    Post({window, WM_LBUTTONUP, 0, window->ScreenToClient(ClampToScreen(screen))});
}

void WindowSystem::KeyDown(uint32_t key) {
    if (popup_ != nullptr) {
        if (key == VK_ESCAPE) popup_->DestroyWindow();
        return;
    }
    if (CWnd* window = ActiveWindow()) Post({window, WM_KEYDOWN, key, {}});
}

void WindowSystem::CloseRequest() {
    if (CWnd* window = ActiveWindow()) Post({window, WM_CLOSE, 0, {}});
}

CWnd* WindowSystem::ActiveWindow() const {
    if (!modals_.empty()) return modals_.back().dialog;
    CWinApp* app = AfxGetApp();
    CWnd* main = app != nullptr ? app->GetMainWnd() : nullptr;
    return main != nullptr && main->HasWindow() ? main : nullptr;
}

void WindowSystem::Post(const Message& message) {
    if (message.window != nullptr && message.window->HasWindow()) queue_.push_back(message);
}

void WindowSystem::Send(const Message& message) {
    if (message.window != nullptr && message.window->HasWindow()) {
        message.window->WindowProc(message);
    }
}

void WindowSystem::DeliverPaint(CWnd& window) {
    unvalidatedPaints_ = &window == lastPainted_ ? unvalidatedPaints_ + 1 : 1;
    lastPainted_ = &window;
    Send({&window, WM_PAINT, 0, {}});
    if (!window.NeedsPaint()) {
        lastPainted_ = nullptr;
    } else if (unvalidatedPaints_ >= MaxUnvalidatedPaints) {
        std::fprintf(stderr, "velinor: a window keeps leaving its paint undone\n");
        window.ValidateAll();
        lastPainted_ = nullptr;
    }
}

bool WindowSystem::PumpOne() {
    if (!queue_.empty()) {
        Message message = queue_.front();
        queue_.pop_front();
        Send(message);
        return true;
    }
    for (CWnd* window : windows_) {
        if (window->NeedsPaint()) {
            DeliverPaint(*window);
            return true;
        }
    }
    if (auto timer = timers_.TakeDue(Now())) {
        Send({timer->window, WM_TIMER, timer->id, {}});
        return true;
    }
    return false;
}

void WindowSystem::PumpUntilIdle() {
    while (PumpOne()) {
    }
}

void WindowSystem::RunUntil(const std::function<bool()>& done) {
    while (!done() && !quitPosted_) {
        if (PumpOne()) continue;
        if (!backend_.WaitForInput(timers_.TimeToNextDue(Now()))) break;
    }
}

void WindowSystem::PostQuitMessage(int exitCode) {
    quitPosted_ = true;
    exitCode_ = exitCode;
}

void WindowSystem::ScreenChanged() {
    screenDirty_ = true;
    backend_.ScreenChanged();
}

const Bitmap& WindowSystem::Screen() {
    if (!screenDirty_) return screen_;
    screenDirty_ = false;
    DC dc(&screen_);
    FillRect(dc, {0, 0, ScreenWidth, ScreenHeight}, DesktopBrush());
    for (const CWnd* window : windows_) {
        if (!window->IsWindowVisible()) continue;
        Rect r = window->WindowRect();
        if (window->CastsShadow()) {
            FillRect(dc,
                     {r.left + ShadowOffset, r.top + ShadowOffset, r.right + ShadowOffset,
                      r.bottom + ShadowOffset},
                     ShadowBrush());
        }
        BitBlt(dc, r.left, r.top, r.Width(), r.Height(), window->Surface(), 0, 0, Rop::SrcCopy);
    }
    return screen_;
}

uint32_t GetTickCount() {
    return WindowSystem::Current().Now();
}

CWnd* GetActiveWindow() {
    return WindowSystem::Current().ActiveWindow();
}

void PostQuitMessage(int exitCode) {
    WindowSystem::Current().PostQuitMessage(exitCode);
}

}  // namespace velinor
