#include "platform/web/web.h"

#include <emscripten.h>

#include <algorithm>
#include <climits>

namespace velinor {

// The page's side, in web_page.js.
extern "C" {
void velinor_web_attach(int width, int height);
void velinor_web_wait(int timeout);
int velinor_web_take_input(int* event, uint32_t tick);
void velinor_web_present(const uint32_t* pixels);
void velinor_web_set_title(const char* title);
int velinor_web_parameter(const char* name, char* out, int size);
void velinor_web_ended();
}

namespace {

// What the page queues: kind, x, y in screen pixels.
enum InputKind { Press = 1, Move = 2, Release = 3, Enter = 4, Escape = 5 };

void Deliver(WindowSystem& system, const int (&event)[3]) {
    const Point point{event[1], event[2]};
    switch (event[0]) {
        case Press:
            system.StylusDown(point);
            break;
        case Move:
            system.StylusMove(point);
            break;
        case Release:
            system.StylusUp(point);
            break;
        case Enter:
            system.KeyDown(VK_RETURN);
            break;
        case Escape:
            system.KeyDown(VK_ESCAPE);
            break;
        default:
            break;
    }
}

}  // namespace

WebBackend::WebBackend()
    : start_(emscripten_get_now()),
      pixels_(static_cast<size_t>(ScreenWidth) * ScreenHeight),
      system_(std::make_unique<WindowSystem>(static_cast<Backend&>(*this))) {
    velinor_web_attach(ScreenWidth, ScreenHeight);
}

WebBackend::~WebBackend() = default;

int WebBackend::Run(CWinApp& app) {
    const int code = app.InitInstance() ? app.Run() : app.EndInstance();
    Present();
    velinor_web_ended();
    return code;
}

bool WebBackend::WaitForInput(std::optional<uint32_t> timeout) {
    // The page shows nothing new until the program yields: one frame for all that changed.
    Present();
    velinor_web_wait(timeout ? static_cast<int>(std::min<uint32_t>(*timeout, INT_MAX)) : -1);
    now_ = FirstTick + static_cast<uint32_t>(emscripten_get_now() - start_);
    int event[3];
    while (velinor_web_take_input(event, now_) != 0)
        Deliver(*system_, event);
    return true;
}

void WebBackend::Present() {
    if (!changed_) return;
    changed_ = false;
    const Bitmap& screen = system_->Screen();
    // A colour keeps red in its low byte, as the canvas's RGBA bytes do; alpha goes on top.
    for (int y = 0; y < ScreenHeight; ++y) {
        const uint32_t* row = screen.Row(y);
        std::transform(row, row + ScreenWidth, pixels_.begin() + y * ScreenWidth,
                       [](uint32_t colour) { return colour | 0xFF000000u; });
    }
    velinor_web_present(pixels_.data());
}

void WebBackend::SetTitle(std::string_view title) {
    velinor_web_set_title(std::string(title).c_str());
}

std::optional<std::string> PageParameter(const char* name) {
    std::string value(256, '\0');
    const int length = velinor_web_parameter(name, value.data(), static_cast<int>(value.size()));
    if (length < 0) return std::nullopt;
    value.resize(std::min<size_t>(static_cast<size_t>(length), value.size() - 1));
    return value;
}

}  // namespace velinor
