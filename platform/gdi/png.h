// Bitmaps to and from PNG files (library velinor_gdi_png, the only one here that uses libpng).
// For tools, tests and screenshots; the game itself never reads an image file.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/gdi/bitmap.h"

namespace velinor {

// Text chunks written with or read from an image (keyword -> text).
using PngTexts = std::map<std::string, std::string>;

// A bitmap with a palette becomes an indexed PNG of its depth, indices and palette kept;
// a 24-bit one an RGB PNG. On failure returns false and says why in *error.
bool SavePng(const Bitmap& bitmap, const std::string& path, std::string* error,
             const PngTexts& texts = {});

// An indexed PNG of 1, 2, 4 or 8 bits keeps its indices and palette (2 bits become 4);
// anything else is read as 24-bit colour.
std::optional<Bitmap> LoadPng(const std::string& path, std::string* error,
                              PngTexts* texts = nullptr);

}  // namespace velinor
