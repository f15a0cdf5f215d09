// What a frame should show, worked out from the painting rules, and checks against it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "tests/render/paint_rig.h"

namespace velinor::test {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Cyan = RGB(0, 255, 255);
constexpr COLORREF Magenta = RGB(200, 0, 200);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr Rect WholeWindow{0, 0, 240, 294};

// Stroke pixels within a cell, each from the centre to one edge, 2 pixels wide.
constexpr Rect UpStroke{9, 0, 11, 11};
constexpr Rect RightStroke{9, 9, 20, 11};
constexpr Rect DownStroke{9, 9, 11, 20};
constexpr Rect LeftStroke{0, 9, 11, 11};

inline bool NotBlack(COLORREF c) {
    return c != Black;
}

inline COLORREF At(const Bitmap& image, int x, int y) {
    return image.ColourOf(image.Value(x, y));
}

// How many pixels of the image in `area` have a colour that `wanted` accepts.
int CountIn(const Bitmap& image, const Rect& area, const std::function<bool(COLORREF)>& wanted);

// A 20 x 20 cell: the tile, its inner 18 x 18 square inverted with dark grey for the stylus
// cell, the set pixels of glyph (label, symbol set) from (1, 1) in colour c, the strokes in c.
struct CellLook {
    int tile = 0;
    bool inverted = false;
    int label = 0;  // 0: no glyph
    int symbolSet = 0;
    COLORREF c = Black;
    std::initializer_list<Rect> strokes = {};
};

// Cell (x, y) of the buffer shows exactly `look`.
::testing::AssertionResult CellShows(const PaintRig& rig, int x, int y, const CellLook& look);

// A text as the band should show it.
struct BandText {
    std::string text;
    Rect rect;
    unsigned alignment;
    COLORREF colour;
};

// The status band (rows 0 to 29) of a window's image holds exactly these texts on black, each one
// line at the top of its rectangle; pixels inside `skip` are not compared.
::testing::AssertionResult BandShows(const Bitmap& window, const std::vector<BandText>& texts,
                                     const Rect& skip = {});

// The image shows banner `id` from its row `fromY` in `to`: clear pixels in `clear`, set pixels
// in `set`, and black past the banner's right edge.
::testing::AssertionResult BannerShows(const Bitmap& window, int id, const Rect& to, int fromY,
                                       COLORREF clear, COLORREF set);

// Every pixel of the image in `area` outside `except` equals the same pixel of `before`.
::testing::AssertionResult SameIn(const Bitmap& now, const Bitmap& before, const Rect& area,
                                  const Rect& except = {});

}  // namespace velinor::test
