// Fixed paint colours of the board, kept beside the player's two line colours but never stored.
#pragma once

#include "platform/types/colour.h"

namespace velinor {

constexpr COLORREF TraceColour = RGB(255, 255, 0);
constexpr COLORREF HintColour = RGB(0, 255, 255);

}  // namespace velinor
