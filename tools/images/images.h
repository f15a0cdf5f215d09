// The program's images, each drawn by its own function.
#pragma once

#include <string>

#include "platform/gdi/bitmap.h"

namespace velinor::art {

Bitmap GlyphStrip(std::string* error);      // 137
Bitmap CellTiles();                         // 144
Bitmap PerfectBanner(std::string* error);   // 114
Bitmap AcceptedBanner(std::string* error);  // 115
Bitmap PauseBanner(std::string* error);     // 147
Bitmap CreditBanner(std::string* error);    // 118
Bitmap TitleImage(std::string* error);      // 134
Bitmap SparkleImage();                      // 119
Bitmap GroundTexture();                     // 120
Bitmap ToolbarImage();                      // 128
Bitmap AppIcon(int size);                   // icon 128, 32 or 16

// Slot k of row r of the glyph strip, as the board copies it.
constexpr int GlyphSlot = 20;
constexpr int GlyphArea = 18;

}  // namespace velinor::art
