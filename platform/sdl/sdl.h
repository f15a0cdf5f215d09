// The SDL back end: the screen in a real window scaled by a whole number, the mouse and touch
// as the stylus, the keyboard's Enter and Escape, the wall clock as the tick counter.
//
//   SdlBackend backend;
//   if (!backend.Ok()) { report backend.Error(); }
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

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace velinor {

class SdlBackend final : private Backend {
  public:
    // Opens the window at `scale` times the screen's size; Ok() says whether it worked.
    explicit SdlBackend(int scale = 2);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    bool Ok() const { return renderer_ != nullptr; }
    const std::string& Error() const { return error_; }
    WindowSystem& System() { return *system_; }

    // Starts the application and runs its message loop; returns the exit code.
    int Run(CWinApp& app);

  private:
    uint32_t TickCount() override;
    bool WaitForInput(std::optional<uint32_t> timeout) override;
    void ScreenChanged() override;
    void SetTitle(std::string_view title) override;
    void SetIcon(const Bitmap& icon) override;

    void Handle(const SDL_Event& event);
    void Present();
    // A finger's place (fractions of the window) in screen pixels.
    Point FingerPoint(float x, float y) const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::string error_;
    uint32_t start_ = 0;
    int64_t finger_ = -1;  // the finger that is the stylus, while one touches
    std::vector<uint32_t> pixels_;
    std::unique_ptr<WindowSystem> system_;
};

}  // namespace velinor
