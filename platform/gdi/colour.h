// The drawing layer's colours and geometry.
#pragma once

#include "platform/types/colour.h"
#include "platform/types/geometry.h"

namespace velinor {

// What GetPixel answers outside a bitmap.
constexpr COLORREF InvalidColour = 0xFFFFFFFF;

}  // namespace velinor
