// Drawing: the board's glyph copies and a whole frame's clear and copy to the window.
#include <benchmark/benchmark.h>

#include "platform/gdi/gdi.h"
#include "platform/resources/resources.h"

namespace velinor {
namespace {

constexpr int Width = 240, Height = 294;

// 144 glyphs of the strip, two passes each (AND, then OR in the line colour): a 12 x 12 board.
void BM_GlyphCopies144(benchmark::State& state) {
    std::optional<Bitmap> glyphs = LoadBitmap(137);
    if (!glyphs) {
        state.SkipWithError("no glyph strip");
        return;
    }
    Bitmap buffer = CreateCompatibleBitmap(Width, Height);
    DC dc(&buffer);
    for (auto _ : state) {
        for (int cell = 0; cell < 144; ++cell) {
            const int px = 20 * (cell / 12), py = 30 + 20 * (cell % 12);
            const int v = 1 + cell % 19, set = cell % 3;
            dc.SetTextColor(RGB(255, 255, 255));
            dc.SetBkColor(RGB(0, 0, 0));
            BitBlt(dc, px + 1, py + 1, 18, 18, *glyphs, 20 * v, 20 * set, Rop::SrcAnd);
            dc.SetTextColor(RGB(0, 0, 0));
            dc.SetBkColor(RGB(0, 80, 0));
            BitBlt(dc, px + 1, py + 1, 18, 18, *glyphs, 20 * v, 20 * set, Rop::SrcPaint);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_GlyphCopies144)->Unit(benchmark::kMicrosecond);

// 144 cell tiles from the 8-bit tile strip: the rest of a full board paint.
void BM_TileCopies144(benchmark::State& state) {
    std::optional<Bitmap> tiles = LoadBitmap(144);
    if (!tiles) {
        state.SkipWithError("no cell tiles");
        return;
    }
    Bitmap buffer = CreateCompatibleBitmap(Width, Height);
    DC dc(&buffer);
    for (auto _ : state) {
        for (int cell = 0; cell < 144; ++cell)
            BitBlt(dc, 20 * (cell / 12), 30 + 20 * (cell % 12), 20, 20, *tiles, 20 * (cell % 7), 0,
                   Rop::SrcCopy);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TileCopies144)->Unit(benchmark::kMicrosecond);

// Clearing the 240 x 294 buffer black and copying all of it to the window's surface.
void BM_ClearAndCopyFrame(benchmark::State& state) {
    Bitmap buffer = CreateCompatibleBitmap(Width, Height);
    Bitmap window = CreateCompatibleBitmap(Width, Height);
    DC dc(&buffer), windowDc(&window);
    for (auto _ : state) {
        PatBlt(dc, 0, 0, Width, Height, Rop::Blackness);
        BitBlt(windowDc, 0, 0, Width, Height, buffer, 0, 0, Rop::SrcCopy);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearAndCopyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velinor
