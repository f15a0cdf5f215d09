// Colours as the handheld stored them; a plain value any layer may use.
#pragma once

#include <cstdint>

namespace velinor {

// 0x00BBGGRR: red in the low byte.
using COLORREF = uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 255);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 255);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 255);
}

}  // namespace velinor
