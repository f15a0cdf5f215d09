#include "platform/sdl/sdl.h"

#include <SDL.h>

#include <string_view>

#include "platform/gdi/colour.h"

namespace velinor {
namespace {

uint32_t Argb(COLORREF c) {
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(c)) << 16) |
           (static_cast<uint32_t>(GetGValue(c)) << 8) | static_cast<uint32_t>(GetBValue(c));
}

}  // namespace

SdlBackend::SdlBackend(int scale) {
    system_ = std::make_unique<WindowSystem>(static_cast<Backend&>(*this));
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error_ = SDL_GetError();
        return;
    }
    // Without a display SDL falls back on drivers that show nothing; only one asked for by name
    // (tests ask for "dummy") may stand in for a screen.
    const std::string_view driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if ((asked == nullptr || asked[0] == '\0') && (driver == "offscreen" || driver == "dummy")) {
        error_ = "no display to show it on (neither DISPLAY nor WAYLAND_DISPLAY reaches one)";
        return;
    }
    start_ = SDL_GetTicks();
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    window_ = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               ScreenWidth * scale, ScreenHeight * scale, SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    SDL_SetWindowMinimumSize(window_, ScreenWidth, ScreenHeight);
    // A 240 x 320 picture scaled by a whole number costs the software renderer next to nothing,
    // while starting OpenGL (and the window surface's own accelerated copy) takes 100 ms and more
    // where there is no graphics card: the window would be late for its first frame.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Renderer* renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) {
        error_ = SDL_GetError();
        return;
    }
    // Whole-number scaling whatever the window's size: the pixels stay crisp; the mouse
    // arrives in screen pixels.
    SDL_RenderSetLogicalSize(renderer, ScreenWidth, ScreenHeight);
    SDL_RenderSetIntegerScale(renderer, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 ScreenWidth, ScreenHeight);
    if (texture_ == nullptr) {
        error_ = SDL_GetError();
        SDL_DestroyRenderer(renderer);
        return;
    }
    renderer_ = renderer;
    pixels_.resize(static_cast<size_t>(ScreenWidth) * ScreenHeight);
}

SdlBackend::~SdlBackend() {
    system_.reset();
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_Quit();
}

int SdlBackend::Run(CWinApp& app) {
    if (!app.InitInstance()) return app.EndInstance();
    return app.Run();
}

uint32_t SdlBackend::TickCount() {
    return FirstTick + (SDL_GetTicks() - start_);
}

bool SdlBackend::WaitForInput(std::optional<uint32_t> timeout) {
    SDL_Event event;
    int got =
        timeout ? SDL_WaitEventTimeout(&event, static_cast<int>(*timeout)) : SDL_WaitEvent(&event);
    if (got == 0) return true;  // the time ran out: a timer is due
    Handle(event);
    while (SDL_PollEvent(&event) != 0)
        Handle(event);
    return true;
}

Point SdlBackend::FingerPoint(float x, float y) const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    float logicalX = 0;
    float logicalY = 0;
    SDL_RenderWindowToLogical(renderer_, static_cast<int>(x * static_cast<float>(width)),
                              static_cast<int>(y * static_cast<float>(height)), &logicalX,
                              &logicalY);
    return {static_cast<int>(logicalX), static_cast<int>(logicalY)};
}

void SdlBackend::Handle(const SDL_Event& event) {
    WindowSystem& system = *system_;
    switch (event.type) {
        case SDL_QUIT:
            system.CloseRequest();
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT && event.button.which != SDL_TOUCH_MOUSEID) {
                system.StylusDown({event.button.x, event.button.y});
            }
            break;
        case SDL_MOUSEMOTION:
            if ((event.motion.state & SDL_BUTTON_LMASK) != 0 &&
                event.motion.which != SDL_TOUCH_MOUSEID) {
                system.StylusMove({event.motion.x, event.motion.y});
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT && event.button.which != SDL_TOUCH_MOUSEID) {
                system.StylusUp({event.button.x, event.button.y});
            }
            break;
        case SDL_FINGERDOWN:
            if (finger_ < 0) {
                finger_ = event.tfinger.fingerId;
                system.StylusDown(FingerPoint(event.tfinger.x, event.tfinger.y));
            }
            break;
        case SDL_FINGERMOTION:
            if (event.tfinger.fingerId == finger_) {
                system.StylusMove(FingerPoint(event.tfinger.x, event.tfinger.y));
            }
            break;
        case SDL_FINGERUP:
            if (event.tfinger.fingerId == finger_) {
                finger_ = -1;
                system.StylusUp(FingerPoint(event.tfinger.x, event.tfinger.y));
            }
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) {
                system.KeyDown(VK_RETURN);
            } else if (event.key.keysym.sym == SDLK_ESCAPE) {
                system.KeyDown(VK_ESCAPE);
            }
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                Present();
            }
            break;
        default:
            break;
    }
}

void SdlBackend::ScreenChanged() {
    Present();
}

void SdlBackend::Present() {
    if (!Ok()) return;
    const Bitmap& screen = system_->Screen();
    for (int y = 0; y < ScreenHeight; ++y) {
        const uint32_t* row = screen.Row(y);
        for (int x = 0; x < ScreenWidth; ++x) {
            pixels_[static_cast<size_t>(y) * ScreenWidth + x] = Argb(row[x]);
        }
    }
    SDL_UpdateTexture(texture_, nullptr, pixels_.data(), ScreenWidth * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlBackend::SetIcon(const Bitmap& icon) {
    if (window_ == nullptr) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, icon.Width(), icon.Height(), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return;
    for (int y = 0; y < icon.Height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                                static_cast<ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < icon.Width(); ++x)
            row[x] = Argb(icon.ColourOf(icon.Value(x, y)));
    }
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
}

void SdlBackend::SetTitle(std::string_view title) {
    if (window_ != nullptr) SDL_SetWindowTitle(window_, std::string(title).c_str());
}

}  // namespace velinor
