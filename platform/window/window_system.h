// The one message queue of the program's one thread, with the windows it serves, their timers
// and paints, the stylus, and the screen they make up together.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/window/backend.h"
#include "platform/window/double_tap.h"
#include "platform/window/messages.h"
#include "platform/window/timer_table.h"

namespace velinor {

class CDialog;

class WindowSystem {
  public:
    // The back end owns the window system; only one exists at a time.
    explicit WindowSystem(Backend& backend);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The running window system; stops the program with a message when there is none.
    static WindowSystem& Current();

    uint32_t Now() { return backend_.TickCount(); }
    Backend& GetBackend() { return backend_; }
    TimerTable& Timers() { return timers_; }

    // Input from the back end, in screen pixels. Moves arrive only between press and release.
    void StylusDown(Point screen);
    void StylusMove(Point screen);
    void StylusUp(Point screen);
    void KeyDown(uint32_t key);
    // The user asked to close the program (the back end's window was closed).
    void CloseRequest();

    void Post(const Message& message);
    static void Send(const Message& message);

    // Delivers one message: the first queued one; else a paint for a window that waits for one;
    // else a timer that is due. False when there was none.
    bool PumpOne();
    void PumpUntilIdle();
    // Delivers messages, waiting for input when there are none, until `done` says so, the quit
    // message is posted, or the back end says no input will come.
    void RunUntil(const std::function<bool()>& done);

    void PostQuitMessage(int exitCode);
    bool QuitPosted() const { return quitPosted_; }
    int ExitCode() const { return exitCode_; }

    // Windows, bottom to top.
    void AddWindow(CWnd& window);
    void RemoveWindow(CWnd& window);
    const std::vector<CWnd*>& Windows() const { return windows_; }

    // A modal loop: input reaches only this dialog and what lies above it.
    void PushModal(CDialog& dialog);
    void PopModal(CDialog& dialog);
    CDialog* TopModal() const { return modals_.empty() ? nullptr : modals_.back().dialog; }
    // The top modal loop's number (each loop gets a new one), so a back end can tell a new
    // loop from an old one; 0 when none runs.
    uint64_t TopModalSerial() const { return modals_.empty() ? 0 : modals_.back().serial; }

    // A popup (the open menu): a press anywhere else closes it and does nothing more.
    void SetPopup(CWnd* popup) { popup_ = popup; }
    // Moves and the release of the current press go to this window from now on.
    void SetCapture(CWnd* window) { capture_ = window; }

    // The dialog on top if one runs, else the application's main window.
    CWnd* ActiveWindow() const;

    // Told of every paint as it begins: the window and the region it may change (client
    // pixels). Tests watch it to prove that nothing is drawn anywhere else.
    using PaintObserver = std::function<void(const CWnd&, std::span<const Rect>)>;
    void SetPaintObserver(PaintObserver observer) { paintObserver_ = std::move(observer); }
    void NotePaint(const CWnd& window, std::span<const Rect> region) const {
        if (paintObserver_) paintObserver_(window, region);
    }

    // The screen as the windows make it up now.
    const Bitmap& Screen();
    void ScreenChanged();

  private:
    CWnd* WindowAt(Point screen) const;
    bool AcceptsInput(const CWnd* window) const;
    void DeliverPaint(CWnd& window);

    Backend& backend_;
    TimerTable timers_;
    DoubleTapDetector doubleTap_;
    std::deque<Message> queue_;
    std::vector<CWnd*> windows_;
    struct Modal {
        CDialog* dialog;
        uint64_t serial;
    };
    std::vector<Modal> modals_;
    uint64_t modalSerial_ = 0;
    CWnd* capture_ = nullptr;
    CWnd* popup_ = nullptr;
    CWnd* lastPainted_ = nullptr;
    int unvalidatedPaints_ = 0;
    bool quitPosted_ = false;
    int exitCode_ = 0;
    PaintObserver paintObserver_;
    Bitmap screen_;
    bool screenDirty_ = true;
};

// The platform's calls that need no window.
uint32_t GetTickCount();
CWnd* GetActiveWindow();
void PostQuitMessage(int exitCode);

}  // namespace velinor
