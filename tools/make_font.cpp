// velinor-make-font: renders Liberation Sans Narrow through FreeType in monochrome mode
// (auto-hinted) into the program's 1-bit raster font, a sheet of 16 x 16 cells (one per Latin-1
// code) with its metrics.
//
//   velinor-make-font OUT.png [FONT.ttf]
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gdi/png.h"

namespace velinor {
namespace {

// The dialogs were laid out in dialog units for a narrow handheld font: their labels allow about
// 4.4 pixels a letter. DejaVu Sans Condensed is still 15 % too wide at 11 px and 8 % at 10 px;
// this narrow face at 10 px fits every label and keeps a 12-pixel line. FreeType's own hinter
// draws its letters more evenly at this size than the face's instructions do.
constexpr int PixelSize = 10;
constexpr const char* FaceName = "Liberation Sans Narrow";
constexpr const char* DefaultFace =
    "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf";
// At this size the hinted space is as narrow as an i, and words run together.
constexpr int MinSpaceAdvance = 3;

struct Glyph {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<bool> bits;
};

// C0 and C1 control codes draw nothing and take no room.
bool IsControl(int code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

bool Render(FT_Face face, int code, Glyph& glyph) {
    if (IsControl(code)) return true;
    if (FT_Load_Char(face, static_cast<FT_ULong>(code),
                     FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME |
                         FT_LOAD_FORCE_AUTOHINT) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& b = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(b.width);
    glyph.height = static_cast<int>(b.rows);
    // The face's own advance, not the hinted one (which rounds most letters up and leaves the
    // French labels too wide), but never narrower than the ink, so letters do not overlap.
    glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
    if (glyph.width > 0) glyph.advance = std::max(glyph.advance, glyph.left + glyph.width);
    if (code == ' ') glyph.advance = std::max(glyph.advance, MinSpaceAdvance);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            glyph.bits.push_back((b.buffer[y * b.pitch + x / 8] >> (7 - x % 8)) & 1);
    return true;
}

int Run(const std::string& out, const std::string& facePath) {
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, facePath.c_str(), 0, &face) != 0) {
        std::cerr << "velinor-make-font: " << facePath << ": cannot be opened by FreeType\n";
        return 1;
    }
    FT_Set_Pixel_Sizes(face, 0, PixelSize);
    std::vector<Glyph> glyphs(256);
    for (int c = 0; c < 256; ++c)
        if (!Render(face, c, glyphs[c])) {
            std::cerr << "velinor-make-font: no glyph for code " << c << "\n";
            return 1;
        }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    // The cell holds every glyph: the pen column far enough right for the leftmost overhang,
    // the baseline low enough for the highest accent.
    int originX = 0, right = 1, ascent = 1, descent = 0;
    for (const Glyph& g : glyphs) {
        if (g.width == 0) continue;
        originX = std::max(originX, -g.left);
        right = std::max(right, g.left + g.width);
        ascent = std::max(ascent, g.top);
        descent = std::max(descent, g.height - g.top);
    }
    const int cellWidth = originX + right, cellHeight = ascent + descent;
    // Lines are spaced by how far letters reach below the baseline; the rare sign that reaches
    // further (the bar) loses that row where lines stack, so five lines fit the Options labels.
    int letterDescent = 0;
    for (int c = 0; c < 256; ++c)
        if ((c < 0x80 && std::isalpha(c)) || c >= 0xC0)
            letterDescent = std::max(letterDescent, glyphs[c].height - glyphs[c].top);
    const int lineHeight = ascent + letterDescent;
    Bitmap sheet(16 * cellWidth, 16 * cellHeight, 1);
    std::string advances;
    for (int c = 0; c < 256; ++c) {
        const Glyph& g = glyphs[c];
        const int cx = (c % 16) * cellWidth + originX + g.left;
        const int cy = (c / 16) * cellHeight + ascent - g.top;
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                if (g.bits[y * g.width + x]) sheet.SetValue(cx + x, cy + y, 1);
        if (c) advances += ' ';
        advances += std::to_string(g.advance);
    }
    std::string error;
    const PngTexts texts = {{"cell-width", std::to_string(cellWidth)},
                            {"cell-height", std::to_string(cellHeight)},
                            {"origin-x", std::to_string(originX)},
                            {"line-height", std::to_string(lineHeight)},
                            {"advances", advances},
                            {"source", std::string(FaceName) + ", " + std::to_string(PixelSize) +
                                           " px, FreeType monochrome"}};
    if (!SavePng(sheet, out, &error, texts)) {
        std::cerr << "velinor-make-font: " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace
}  // namespace velinor

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: velinor-make-font OUT.png [FONT.ttf]\n";
        return 2;
    }
    return velinor::Run(argv[1], argc == 3 ? argv[2] : velinor::DefaultFace);
}
