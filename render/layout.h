// Where the main window's texts go; the board's own place belongs to the Board.
#pragma once

#include "platform/types/geometry.h"

namespace velinor {

// The band at the top that every clock tick redraws.
constexpr int StatusBandHeight = 30;

constexpr Rect BestTimeRect{0, 0, 120, 15};
constexpr Rect ClockRect{120, 0, 240, 15};
constexpr Rect PenaltyRect{90, 15, 240, 30};
constexpr Rect StatusRect{0, 15, 240, 55};

}  // namespace velinor
