// The web back end: the screen on the page's canvas, scaled by whole numbers without smoothing
// as large as the browser window allows; the mouse, a pen or a finger (pointer events) as the
// stylus; Enter and Escape; the browser's clock as the tick counter; the title as the page's.
// While the program waits for input its loops are suspended and the page runs on, so message
// loops (the main one and every modal one) read as they do on the desktop.
//
//   WebBackend backend;
//   return backend.Run(app);
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/window/app.h"
#include "platform/window/backend.h"
#include "platform/window/window_system.h"

namespace velinor {

class WebBackend final : private Backend {
  public:
    // Takes the page's canvas (Module.canvas, else the first canvas, else a new one).
    WebBackend();
    ~WebBackend() override;
    WebBackend(const WebBackend&) = delete;
    WebBackend& operator=(const WebBackend&) = delete;

    WindowSystem& System() { return *system_; }

    // Starts the application and runs its message loop; returns the exit code.
    int Run(CWinApp& app);

  private:
    uint32_t TickCount() override { return now_; }
    bool WaitForInput(std::optional<uint32_t> timeout) override;
    void ScreenChanged() override { changed_ = true; }
    void SetTitle(std::string_view title) override;
    // The page carries the icon as its own favicon.
    void SetIcon(const Bitmap&) override {}

    void Present();

    double start_ = 0;
    // The tick counter as the program last woke: everything it does for one batch of input or
    // one timer sees one time, so the session's input log (Module.page.delivered) replays it.
    uint32_t now_ = FirstTick;
    bool changed_ = true;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<WindowSystem> system_;
};

// The value of a parameter of the page's address (`seed` of "?seed=12"), or nothing.
std::optional<std::string> PageParameter(const char* name);

}  // namespace velinor
