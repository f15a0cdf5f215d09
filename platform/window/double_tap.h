// Tells a double tap from a press: a second press in the same window soon after and near the first.
#pragma once

#include <cstdint>

#include "platform/gdi/colour.h"

namespace velinor {

class CWnd;

constexpr uint32_t DoubleTapTime = 500;  // ms between the two presses, at most
constexpr int DoubleTapDistance = 4;     // pixels between them on either axis, at most

class DoubleTapDetector {
  public:
    // True when this press completes a double tap. The press after a double tap starts afresh.
    bool Press(const CWnd* window, Point screenPoint, uint32_t now);
    // Forget the last press (its window went away).
    void Forget() { armed_ = false; }

  private:
    bool armed_ = false;
    const CWnd* window_ = nullptr;
    Point point_{};
    uint32_t time_ = 0;
};

}  // namespace velinor
