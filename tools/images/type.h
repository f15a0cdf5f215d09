// Text set in DejaVu through FreeType in monochrome mode, for the images' numbers and words.
#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/bitmap.h"

namespace velinor::art {

enum class Face { Sans, SansBold, CondensedBold };

// A 1-bit image of the text on one baseline; `tracking` adds pixels between letters.
// Returns an empty bitmap and sets *error when FreeType fails.
Bitmap SetText(std::string_view utf8, Face face, int pixelSize, int tracking, std::string* error);

}  // namespace velinor::art
