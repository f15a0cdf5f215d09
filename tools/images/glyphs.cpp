// The glyph strip: numbers, letters and pictograms in 20 x 20 slots with separator lines.
#include <cmath>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "tools/images/art.h"
#include "tools/images/images.h"
#include "tools/images/type.h"

namespace velinor::art {
namespace {

constexpr const char* Letters[19] = {"A", "B", "E", "G", "H", "K", "P", "Q", "R", "S",
                                     "T", "Y", "L", "N", "V", "X", "Z", "C", "F"};

Bitmap Blank() {
    return Bitmap(GlyphArea, GlyphArea, 1);
}

// Two-digit numbers are set digit by digit with one pixel between, so that 10 to 19 fit.
Bitmap Number(int n, std::string* error) {
    Bitmap out = Blank();
    const std::string digits = std::to_string(n);
    std::vector<Bitmap> inks;
    int width = 0;
    for (char d : digits) {
        Bitmap ink = SetText(std::string(1, d), Face::CondensedBold, 15, 0, error);
        const Rect box = InkBox(ink);
        inks.push_back(Crop(ink, box));
        width += box.Width();
    }
    width += static_cast<int>(digits.size()) - 1;
    Bitmap joined(width, inks[0].Height(), 1);
    int x = 0;
    for (const Bitmap& ink : inks) {
        PasteCentred(joined, {x, 0, x + ink.Width(), joined.Height()}, ink);
        x += ink.Width() + 1;
    }
    PasteCentred(out, {0, 0, GlyphArea, GlyphArea}, joined);
    return out;
}

Bitmap Letter(int k, std::string* error) {
    Bitmap out = Blank();
    PasteCentred(out, {0, 0, GlyphArea, GlyphArea},
                 SetText(Letters[k], Face::SansBold, 15, 0, error));
    return out;
}

Bitmap FromRows(std::initializer_list<const char*> rows) {
    Bitmap art(GlyphArea, GlyphArea, 1);
    PaintSet(art, 0, 0, rows);
    Bitmap out = Blank();
    PasteCentred(out, {0, 0, GlyphArea, GlyphArea}, art);
    return out;
}

// Scales a small pixel map by 3/2 (pixels alternately one and two wide): the arcade
// invaders are 8 rows high and would look small beside the numbers.
Bitmap Grown(std::initializer_list<const char*> rows) {
    Bitmap small(GlyphArea, GlyphArea, 1);
    PaintSet(small, 0, 0, rows);
    const Rect box = InkBox(small);
    Bitmap grown(GlyphArea, GlyphArea, 1);
    for (int y = 0; y < box.Height() * 3 / 2 + 1; ++y)
        for (int x = 0; x < box.Width() * 3 / 2 + 1; ++x)
            if (small.Value(box.left + x * 2 / 3, box.top + y * 2 / 3)) grown.SetValue(x, y, 1);
    Bitmap out = Blank();
    PasteCentred(out, {0, 0, GlyphArea, GlyphArea}, grown);
    return out;
}

// Shapes worked out from distances to the centre of the 18 x 18 area.
template <typename Inside>
Bitmap Shape(Inside inside) {
    Bitmap out = Blank();
    for (int y = 0; y < GlyphArea; ++y)
        for (int x = 0; x < GlyphArea; ++x)
            if (inside(x + 0.5 - 9.0, y + 0.5 - 9.0)) out.SetValue(x, y, 1);
    return out;
}

double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

// Lines drawn with the drawing layer's own pens onto a 1-bit image.
Bitmap Strokes(const std::vector<std::vector<Point>>& lines, int width) {
    Bitmap out = Blank();
    DC dc(&out);
    dc.SelectPen(CreatePen(PenStyle::Solid, width, RGB(255, 255, 255)));
    for (const std::vector<Point>& line : lines)
        Polyline(dc, line);
    return out;
}

Bitmap Face(std::initializer_list<const char*> features) {
    Bitmap face = Shape([](double x, double y) { return Length(x, y) < 8.2; });
    Paint(face, 0, 0, features, {{'o', 0}});
    return face;
}

Bitmap Pictogram(int k) {
    switch (k) {
        case 0:  // invader
            return Grown({"..#.....#..", "...#...#...", "..#######..", ".##.###.##.", "###########",
                          "#.#######.#", "#.#.....#.#", "...##.##..."});
        case 1:  // asterisk
            return Shape([](double x, double y) {
                const double r = Length(x, y);
                if (r > 8.0) return false;
                for (double a : {0.0, 1.0471975512, 2.0943951024}) {
                    const double across = std::fabs(x * std::cos(a) - y * std::sin(a));
                    if (across < 1.15) return true;
                }
                return r < 2.5;
            });
        case 2:  // die showing five
            return FromRows({
                "..############..",
                ".##############.",
                "################",
                "###..######..###",
                "###..######..###",
                "################",
                "################",
                "######....######",
                "######....######",
                "################",
                "################",
                "###..######..###",
                "###..######..###",
                "################",
                ".##############.",
                "..############..",
            });
        case 3:  // snowflake
            return Strokes({{{9, 1}, {9, 18}},
                            {{1, 9}, {18, 9}},
                            {{3, 3}, {16, 16}},
                            {{15, 3}, {2, 16}},
                            {{7, 2}, {9, 4}, {12, 1}},
                            {{7, 16}, {9, 14}, {12, 17}},
                            {{2, 7}, {4, 9}, {1, 12}},
                            {{16, 7}, {14, 9}, {17, 12}}},
                           1);
        case 4:  // Aries
            return FromRows({
                ".####......####.",
                "##..##....##..##",
                "#....##..##....#",
                "#.....####.....#",
                "##.....##.....##",
                ".#.....##.....#.",
                ".......##.......",
                ".......##.......",
                ".......##.......",
                ".......##.......",
                ".......##.......",
                ".......##.......",
                ".......##.......",
            });
        case 5:  // alien head
            return FromRows({
                ".....######.....",
                "...##########...",
                "..############..",
                ".##############.",
                ".##############.",
                "################",
                "#....######....#",
                "#.....####.....#",
                "##.....##.....##",
                ".##....##....##.",
                "..############..",
                "...##########...",
                "....###..###....",
                ".....######.....",
                "......####......",
            });
        case 6:  // bomb
            return FromRows({
                "............#..#",
                "..........#..#..",
                "...........##...",
                "..........#..#..",
                ".........##.....",
                "......#####.....",
                "....########....",
                "...##########...",
                "..###..#######..",
                "..##.########...",
                ".##.##########..",
                ".#############..",
                ".#############..",
                "..###########...",
                "..###########...",
                "....#######.....",
            });
        case 7:  // smiling face
            return Face({"", "", "", "", "", ".....oo....oo", ".....oo....oo", ".....oo....oo", "",
                         "", "...o..........o", "....o........o", ".....oo....oo", ".......oooo"});
        case 8:  // skull
            return FromRows({
                "....########....",
                "..############..",
                ".##############.",
                ".##############.",
                "################",
                "###....##....###",
                "##.....##.....##",
                "##.....##.....##",
                "###...####...###",
                ".######..######.",
                "..#####..#####..",
                "...##########...",
                "...#.#.##.#.#...",
                "...##########...",
                "....########....",
            });
        case 9:  // diamond
            return Shape(
                [](double x, double y) { return std::fabs(x) / 6.5 + std::fabs(y) / 8.5 < 1; });
        case 10:  // yin-yang
            return Shape([](double x, double y) {
                const double r = 8.0, d = Length(x, y);
                if (d >= r) return false;
                if (d >= r - 1.1) return true;
                const double upper = Length(x, y + r / 2), lower = Length(x, y - r / 2);
                if (upper < 1.6) return true;
                if (lower < 1.6) return false;
                return lower < r / 2 || (upper >= r / 2 && x > 0);
            });
        case 11:  // crossed boxes
            return FromRows({
                "##########......",
                "##......##......",
                "#.#....#.#......",
                "#..#..#..#......",
                "#...##...#......",
                "#...######......",
                "#..#..#..#......",
                "#.#..#########..",
                "##...##......##.",
                "##########..#.#.",
                "......#.#..#..#.",
                "......#..##...#.",
                "......#..##...#.",
                "......#.#..#..#.",
                "......##....#.#.",
                "......#########.",
            });
        case 12:  // lightning
            return FromRows({
                ".......#######",
                "......#######.",
                ".....#######..",
                "....#######...",
                "...#######....",
                "..##########..",
                ".##########...",
                "......####....",
                ".....####.....",
                "....####......",
                "...####.......",
                "..###.........",
                ".##..........",
                "#............",
            });
        case 13:  // another invader
            return Grown({"....####....", ".##########.", "############", "###..##..###",
                          "############", "...##..##...", "..##.##.##..", "##........##"});
        case 14:  // Taurus
            return FromRows({
                "##............##",
                ".##..........##.",
                "..###......###..",
                "....########....",
                "....##....##....",
                "...##......##...",
                "..##........##..",
                "..#..........#..",
                "..#..........#..",
                "..##........##..",
                "...##......##...",
                "....########....",
                ".....######.....",
            });
        case 15:  // sad face
            return Face({"", "", "", "", "", ".....oo....oo", ".....oo....oo", ".....oo....oo", "",
                         "", ".......oooo", ".....oo....oo", "....o........o", "...o..........o"});
        case 16:  // squid invader
            return Grown({"...##...", "..####..", ".######.", "##.##.##", "########", "..#..#..",
                          ".#.##.#.", "#.#..#.#"});
        case 17:  // Gemini
            return FromRows({
                "################",
                ".##############.",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                "....##....##....",
                ".##############.",
                "################",
            });
        default:  // winking face
            return Face({"", "", "", "", "", ".....oo", ".....oo....oooo", ".....oo", "", "",
                         "...o..........o", "....o........o", ".....oo....oo", ".......oooo"});
    }
}

}  // namespace

Bitmap GlyphStrip(std::string* error) {
    Bitmap strip(20 * GlyphSlot, 3 * GlyphSlot, 1);
    for (int row = 0; row < 3; ++row)
        for (int k = 1; k <= 19; ++k) {
            const Bitmap glyph = row == 0   ? Number(k, error)
                                 : row == 1 ? Letter(k - 1, error)
                                            : Pictogram(k - 1);
            for (int y = 0; y < GlyphArea; ++y)
                for (int x = 0; x < GlyphArea; ++x)
                    strip.SetValue(k * GlyphSlot + x, row * GlyphSlot + y, glyph.Value(x, y));
        }
    // Separator lines along the right and bottom edge of every slot.
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x)
            if (x % GlyphSlot == GlyphSlot - 1 || y % GlyphSlot == GlyphSlot - 1)
                strip.SetValue(x, y, 1);
    return strip;
}

}  // namespace velinor::art
