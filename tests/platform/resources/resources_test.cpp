// The built-in images: sizes and depths, the glyph strip's layout, the sparkle.
#include "platform/resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace velinor {
namespace {

TEST(Resources, EveryImageHasItsSizeAndDepth) {
    struct Expected {
        int id, width, height, depth;
    };
    const Expected table[] = {
        {128, 102, 17, 4}, {137, 400, 60, 1},  {144, 140, 20, 8}, {114, 65, 26, 1},
        {115, 156, 36, 1}, {147, 91, 15, 1},   {118, 194, 18, 1}, {134, 73, 13, 1},
        {119, 70, 70, 8},  {120, 240, 100, 4}, {-32, 32, 32, 4},  {-16, 16, 16, 4},
    };
    for (const Expected& e : table) {
        // Negative identifiers stand for icon 128 at that size.
        std::optional<Bitmap> b = e.id > 0 ? LoadBitmap(e.id) : LoadIcon(128, -e.id);
        ASSERT_TRUE(b) << e.id;
        EXPECT_EQ(b->Bounds(), (Rect{0, 0, e.width, e.height})) << e.id;
        EXPECT_EQ(b->BitsPerPixel(), e.depth) << e.id;
    }
}

TEST(Resources, MissingAndFailingImagesLoadNothingAndEachLoadIsAFreshCopy) {
    EXPECT_FALSE(LoadBitmap(999));
    EXPECT_FALSE(LoadBitmap(-1));
    EXPECT_FALSE(LoadIcon(128, 24));
    EXPECT_FALSE(LoadIcon(137, 32)) << "bitmaps and icons have their own identifiers";
    SetBitmapLoadFails(137, true);
    EXPECT_FALSE(LoadBitmap(137));
    EXPECT_TRUE(LoadBitmap(144)) << "only the chosen one fails";
    SetBitmapLoadFails(137, false);
    std::optional<Bitmap> first = LoadBitmap(137);
    ASSERT_TRUE(first);
    first->SetValue(19, 0, 0);
    EXPECT_EQ(LoadBitmap(137)->Value(19, 0), 1u);
}

TEST(GlyphStrip, SlotsHaveSeparatorsAndDistinctGlyphs) {
    const Bitmap strip = *LoadBitmap(137);
    std::set<std::vector<uint32_t>> seen;  // glyphs by row
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 20; ++k) {
            const int left = 20 * k, top = 20 * row;
            for (int i = 0; i < 20; ++i) {
                EXPECT_EQ(strip.Value(left + 19, top + i), 1u) << "right side " << k << "," << row;
                EXPECT_EQ(strip.Value(left + i, top + 19), 1u) << "bottom " << k << "," << row;
                if (i == 19) continue;
                EXPECT_EQ(strip.Value(left + 18, top + i), 0u) << "margin " << k << "," << row;
                EXPECT_EQ(strip.Value(left + i, top + 18), 0u) << "margin " << k << "," << row;
            }
            std::vector<uint32_t> glyph{static_cast<uint32_t>(row)};
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x)
                    glyph.push_back(strip.Value(left + x, top + y));
            const bool blank = std::count(glyph.begin() + 1, glyph.end(), 0u) == 18 * 18;
            EXPECT_EQ(blank, k == 0) << "only slot 0 is blank, slot " << k << " row " << row;
            EXPECT_TRUE(seen.insert(glyph).second || k == 0) << "slot " << k << " row " << row;
        }
}

TEST(IntroImages, TheSparkleOredOntoTheGroundHasBlackEdges) {
    const Bitmap sparkle = *LoadBitmap(119);
    for (int i = 0; i < 70; ++i)
        for (const auto& [x, y] : {std::pair{i, 0}, {i, 69}, {0, i}, {69, i}})
            EXPECT_EQ(sparkle.ColourOf(sparkle.Value(x, y)), RGB(0, 0, 0)) << x << "," << y;
    EXPECT_GT(GetBValue(sparkle.ColourOf(sparkle.Value(35, 35))), 200);
}

}  // namespace
}  // namespace velinor
