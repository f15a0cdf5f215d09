// Copies that skip the rows the destination still holds must leave exactly the
// pixels a plain copy would: checked against plain pixel arrays through a long
// random mix of writes, copies in both directions, copies of other geometry,
// and bitmaps copied by value.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>

#include "platform/gdi/gdi.h"

namespace velinor {
namespace {

constexpr int Width = 24, Height = 12;

using Pixels = std::array<uint32_t, Width * Height>;  // what plain copies leave, row by row

bool Same(const Bitmap& bitmap, const Pixels& model) {
    for (int i = 0; i < Width * Height; ++i)
        if (bitmap.Value(i % Width, i / Width) != model[i]) return false;
    return true;
}

TEST(RowCopy, SkippedRowsLeaveWhatAPlainCopyWould) {
    std::array<std::optional<Bitmap>, 3> bitmaps;
    std::array<Pixels, 3> models{};
    for (auto& b : bitmaps)
        b = CreateCompatibleBitmap(Width, Height);
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 20000; ++step) {
        const int to = pick(3), from = (to + 1 + pick(2)) % 3;
        switch (pick(4)) {
            case 0: {  // a pixel written
                const int x = pick(Width), y = pick(Height);
                const uint32_t value = random() & 0xFFFFFF;
                bitmaps[to]->SetValue(x, y, value);
                models[to][y * Width + x] = value;
                break;
            }
            case 1:
            case 2: {  // whole rows (the window's copy) or a few columns, at an offset
                const bool whole = pick(3) != 0;
                const int left = whole ? 0 : pick(4), width = whole ? Width : 1 + pick(8);
                const int top = pick(3), srcTop = pick(3), height = Height - 3;
                DC dc(&*bitmaps[to]);
                BitBlt(dc, left, top, width, height, *bitmaps[from], left, srcTop, Rop::SrcCopy);
                for (int y = 0; y < height; ++y)
                    for (int x = left; x < left + width; ++x)
                        models[to][(top + y) * Width + x] = models[from][(srcTop + y) * Width + x];
                break;
            }
            default:  // a bitmap replaced by a copy of another, assigned or made anew
                if (pick(2) == 0)
                    bitmaps[to] = *bitmaps[from];
                else
                    bitmaps[to].emplace(*bitmaps[from]);
                models[to] = models[from];
                break;
        }
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(Same(*bitmaps[i], models[i])) << "bitmap " << i << " after step " << step;
    }
}

}  // namespace
}  // namespace velinor
