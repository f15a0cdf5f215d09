// What a back end gives the window system: the tick counter, input, and a place to show the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/gdi/bitmap.h"

namespace velinor {

// Where the tick counter starts: never at 0, which the program reads as "not set".
constexpr uint32_t FirstTick = 1000000;

class Backend {
  public:
    virtual ~Backend() = default;

    // Milliseconds on the tick counter.
    virtual uint32_t TickCount() = 0;

    // Called when no message is waiting: feed the window system the input that comes within
    // `timeout` ms (without one, whenever it comes). False means no input will ever come, and
    // the loop that asked ends.
    virtual bool WaitForInput(std::optional<uint32_t> timeout) = 0;

    // The screen changed (a paint ended, a window came or went).
    virtual void ScreenChanged() = 0;

    virtual void SetTitle(std::string_view title) = 0;
    // The application's icon, for a back end that shows one.
    virtual void SetIcon(const Bitmap& icon) = 0;
};

}  // namespace velinor
