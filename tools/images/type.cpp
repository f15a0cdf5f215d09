#include "tools/images/type.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

namespace velinor::art {
namespace {

const char* FacePath(Face face) {
    switch (face) {
        case Face::Sans:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        case Face::SansBold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        case Face::CondensedBold:
            return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    }
    return "";
}

std::u32string Decode(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < s.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

}  // namespace

Bitmap SetText(std::string_view utf8, Face face, int pixelSize, int tracking, std::string* error) {
    FT_Library library;
    FT_Face ft;
    if (FT_Init_FreeType(&library) != 0) {
        *error = "FreeType cannot start";
        return {};
    }
    if (FT_New_Face(library, FacePath(face), 0, &ft) != 0) {
        *error = std::string(FacePath(face)) + ": cannot be opened";
        FT_Done_FreeType(library);
        return {};
    }
    FT_Set_Pixel_Sizes(ft, 0, pixelSize);
    const std::u32string text = Decode(utf8);
    const int height = pixelSize * 2, baseline = pixelSize * 3 / 2;
    Bitmap canvas(static_cast<int>(text.size()) * (pixelSize + tracking) + pixelSize, height, 1);
    int pen = pixelSize / 2;
    for (char32_t code : text) {
        if (FT_Load_Char(ft, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) !=
            0) {
            *error = "no glyph for a character of \"" + std::string(utf8) + "\"";
            break;
        }
        const FT_GlyphSlot g = ft->glyph;
        for (unsigned y = 0; y < g->bitmap.rows; ++y)
            for (unsigned x = 0; x < g->bitmap.width; ++x)
                if ((g->bitmap.buffer[y * g->bitmap.pitch + x / 8] >> (7 - x % 8)) & 1)
                    canvas.SetValue(pen + g->bitmap_left + static_cast<int>(x),
                                    baseline - g->bitmap_top + static_cast<int>(y), 1);
        pen += static_cast<int>((g->advance.x + 32) >> 6) + tracking;
    }
    FT_Done_Face(ft);
    FT_Done_FreeType(library);
    return canvas;
}

}  // namespace velinor::art
