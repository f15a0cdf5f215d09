#include "platform/window/double_tap.h"

#include <cstdlib>

namespace velinor {

bool DoubleTapDetector::Press(const CWnd* window, Point screenPoint, uint32_t now) {
    bool doubleTap = armed_ && window == window_ && now - time_ <= DoubleTapTime &&
                     std::abs(screenPoint.x - point_.x) <= DoubleTapDistance &&
                     std::abs(screenPoint.y - point_.y) <= DoubleTapDistance;
    armed_ = !doubleTap;
    window_ = window;
    point_ = screenPoint;
    time_ = now;
    return doubleTap;
}

}  // namespace velinor
