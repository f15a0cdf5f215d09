// Fixed paint colours, kept beside the player's two line colours but never stored.
#pragma once

#include "platform/types/colour.h"

namespace velinor {

constexpr COLORREF TraceColour = RGB(255, 255, 0);
constexpr COLORREF HintColour = RGB(0, 255, 255);

// The clock and "Your proposal".
constexpr COLORREF ClockColour = RGB(0, 255, 0);
// Prompts, the penalty line and "Select one cell".
constexpr COLORREF PromptColour = RGB(0, 255, 255);
constexpr COLORREF BestTimeColour = RGB(200, 0, 200);
// The pause bar and the message about missing bitmaps.
constexpr COLORREF AlertColour = RGB(255, 0, 0);
constexpr COLORREF PerfectColour = RGB(0, 255, 0);
constexpr COLORREF AcceptedColour = RGB(128, 255, 255);

}  // namespace velinor
