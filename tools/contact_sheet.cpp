// velinor-contact-sheet: every built-in image on one sheet at 3x, for a person to look at.
// Besides the images as they are, it shows them as the game shows them: a piece of board
// composed from the tiles and glyphs, the banners in their colours, the textured band under
// the sparkle, and the system font.
//
//   velinor-contact-sheet OUT.png
#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png.h"
#include "platform/resources/resources.h"
#include "render/cells.h"

namespace velinor {
namespace {

constexpr int Scale = 3;
constexpr COLORREF Backdrop = RGB(40, 40, 48);
constexpr COLORREF Label = RGB(220, 220, 220);

struct Sheet {
    Bitmap page = CreateCompatibleBitmap(420, 580);
    DC dc{&page};
    bool ok = true;

    Sheet() {
        FillRect(dc, page.Bounds(), CreateSolidBrush(Backdrop));
        dc.SetBkMode(BkMode::Transparent);
    }

    std::optional<Bitmap> Load(int id) {
        std::optional<Bitmap> b = LoadBitmap(id);
        if (!b) {
            std::cerr << "velinor-contact-sheet: bitmap " << id << " is missing\n";
            ok = false;
        }
        return b;
    }

    void Caption(int x, int y, const std::string& text) {
        dc.SetTextColor(Label);
        DrawText(dc, text, {x, y, x + 400, y + 14}, TextLeft);
    }

    // A 1-bit image through a text and background colour, as the game copies them.
    void Copy(const Bitmap& image, int x, int y, COLORREF text, COLORREF bk) {
        dc.SetTextColor(text);
        dc.SetBkColor(bk);
        BitBlt(dc, x, y, image.Width(), image.Height(), image, 0, 0, Rop::SrcCopy);
    }
};

// Three snakes of 12 x 3 cells cut into lines of five or six cells, one snake per symbol set.
void BoardPiece(Sheet& s, const Bitmap& glyphs, const Bitmap& tiles, int left, int top) {
    DC glyphDc(const_cast<Bitmap*>(&glyphs));
    for (int set = 0; set < 3; ++set) {
        std::vector<std::pair<int, int>> order;
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 12; ++k)
                order.push_back({row % 2 == 0 ? k : 11 - k, row});
        const int firstLabel[3] = {10, 1, 8};
        for (size_t i = 0; i < order.size(); ++i) {
            const auto [x, y] = order[i];
            const size_t line = std::min<size_t>(i / 5, 6);
            const size_t first = 5 * line, last = line == 6 ? 35 : first + 4;
            const bool end = i == first || i == last;
            int piece = 0;
            if (!end) {
                int sides[2], n = 0;
                for (size_t j : {i - 1, i + 1}) {
                    const auto [nx, ny] = order[j];
                    sides[n++] = ny < y ? 1 : nx > x ? 2 : ny > y ? 3 : 4;
                }
                piece = -(10 * std::min(sides[0], sides[1]) + std::max(sides[0], sides[1]));
            }
            const int px = left + 20 * x, py = top + 20 * y + 64 * set;
            BitBlt(s.dc, px, py, 20, 20, tiles, 20 * TileOf(static_cast<int8_t>(piece)), 0,
                   Rop::SrcCopy);
            const COLORREF colours[7] = {RGB(0, 80, 0),  RGB(255, 255, 0), RGB(0, 80, 0),
                                         RGB(128, 0, 0), RGB(0, 255, 255), RGB(0, 80, 0),
                                         RGB(0, 80, 0)};
            const COLORREF c = colours[line];
            if (set == 1 && i == 8) {
                s.dc.SelectBrush(GetStockBrush(StockBrush::DarkGrey));
                PatBlt(s.dc, px + 1, py + 1, 18, 18, Rop::PatInvert);
            }
            if (end) {
                const int label = firstLabel[set] + static_cast<int>(line);
                s.dc.SetTextColor(RGB(255, 255, 255));
                s.dc.SetBkColor(RGB(0, 0, 0));
                BitBlt(s.dc, px + 1, py + 1, 18, 18, glyphs, 20 * label, 20 * set, Rop::SrcAnd);
                s.dc.SetTextColor(RGB(0, 0, 0));
                s.dc.SetBkColor(c);
                BitBlt(s.dc, px + 1, py + 1, 18, 18, glyphs, 20 * label, 20 * set, Rop::SrcPaint);
            } else if (c != RGB(0, 80, 0)) {
                s.dc.SelectPen(CreatePen(PenStyle::Solid, 1, c));
                for (int d : {-piece % 10, -piece / 10}) {
                    const std::vector<Point> strokes[5] = {
                        {},
                        {{px + 9, py}, {px + 9, py + 10}, {px + 10, py + 10}, {px + 10, py - 1}},
                        {{px + 9, py + 9},
                         {px + 19, py + 9},
                         {px + 19, py + 10},
                         {px + 8, py + 10}},
                        {{px + 9, py + 9},
                         {px + 9, py + 19},
                         {px + 10, py + 19},
                         {px + 10, py + 8}},
                        {{px, py + 9}, {px + 10, py + 9}, {px + 10, py + 10}, {px - 1, py + 10}},
                    };
                    Polyline(s.dc, strokes[d]);
                }
            }
        }
    }
}

int Run(const std::string& out) {
    Sheet s;
    int y = 4;
    std::optional<Bitmap> glyphs = s.Load(137), tiles = s.Load(144);
    if (glyphs) {
        s.Caption(4, y, "137 glyph strip 400 x 60, 1 bit");
        s.Copy(*glyphs, 4, y + 14, RGB(0, 0, 0), RGB(255, 255, 255));
        y += 80;
    }
    if (tiles) {
        s.Caption(4, y, "144 cell tiles, 8 bits");
        BitBlt(s.dc, 4, y + 14, 140, 20, *tiles, 0, 0, Rop::SrcCopy);
    }
    if (std::optional<Bitmap> toolbar = s.Load(128)) {
        s.Caption(160, y, "128 toolbar, 4 bits");
        BitBlt(s.dc, 160, y + 14, 102, 17, *toolbar, 0, 0, Rop::SrcCopy);
    }
    s.Caption(280, y, "icon 128");
    for (int size : {32, 16})
        if (std::optional<Bitmap> icon = LoadIcon(128, size))
            BitBlt(s.dc, size == 32 ? 280 : 320, y + 14, size, size, *icon, 0, 0, Rop::SrcCopy);
    y += 52;
    if (glyphs && tiles) {
        s.Caption(4, y, "a piece of board, as painted");
        BoardPiece(s, *glyphs, *tiles, 4, y + 14);
        y += 14 + 3 * 64;
    }
    s.Caption(4, y, "banners in their colours");
    y += 14;
    if (std::optional<Bitmap> b = s.Load(114)) {
        s.Copy(*b, 4, y, RGB(0, 0, 0), RGB(0, 255, 0));
    }
    if (std::optional<Bitmap> b = s.Load(115)) s.Copy(*b, 80, y, RGB(0, 0, 0), RGB(128, 255, 255));
    if (std::optional<Bitmap> b = s.Load(147)) s.Copy(*b, 250, y, RGB(255, 0, 0), RGB(0, 0, 0));
    y += 42;
    if (std::optional<Bitmap> b = s.Load(118)) s.Copy(*b, 4, y, RGB(200, 0, 200), RGB(0, 0, 0));
    if (std::optional<Bitmap> b = s.Load(134)) s.Copy(*b, 210, y, RGB(0, 255, 0), RGB(0, 0, 0));
    y += 26;
    s.Caption(4, y, "120 ground as a textured band, 119 sparkle ORed on top");
    y += 14;
    if (std::optional<Bitmap> ground = s.Load(120)) {
        BitBlt(s.dc, 250, y, 160, 100, *ground, 0, 0, Rop::SrcCopy);
        s.dc.SelectBrush(CreatePatternBrush(*ground));
        s.dc.SelectPen(CreatePen(PenStyle::Solid, 1, RGB(150, 30, 190)));
        std::vector<Point> band;
        for (int i = 0; i <= 40; ++i)
            band.push_back({4 + 6 * i, y + 60 - static_cast<int>(30 * std::sin(i * 3.14159 / 40))});
        for (int i = 40; i >= 0; --i)
            band.push_back({4 + 6 * i, y + 90 - static_cast<int>(30 * std::sin(i * 3.14159 / 40))});
        Polygon(s.dc, band);
    }
    if (std::optional<Bitmap> sparkle = s.Load(119))
        for (int h : {30, 15, 9})
            StretchBlt(s.dc, 60 + 3 * h - h, y + 40 - h, 2 * h, 2 * h, *sparkle, 0, 0, 70, 70,
                       Rop::SrcPaint);
    y += 104;
    s.Caption(4, y, "system font: Connectez les symboles - Sélectionnez une case");
    s.dc.SetTextColor(RGB(0, 255, 255));
    DrawText(s.dc, "1'05\"3  +2 x 15\" = 1'35\"3  Réglages: Français, Remise à zéro",
             {4, y + 14, 416, y + 28}, TextLeft);

    Bitmap big = CreateCompatibleBitmap(s.page.Width() * Scale, s.page.Height() * Scale);
    DC bigDc(&big);
    StretchBlt(bigDc, 0, 0, big.Width(), big.Height(), s.page, 0, 0, s.page.Width(),
               s.page.Height(), Rop::SrcCopy);
    std::string error;
    if (!SavePng(big, out, &error)) {
        std::cerr << "velinor-contact-sheet: " << error << "\n";
        return 1;
    }
    return s.ok ? 0 : 1;
}

}  // namespace
}  // namespace velinor

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velinor-contact-sheet OUT.png\n";
        return 2;
    }
    return velinor::Run(argv[1]);
}
