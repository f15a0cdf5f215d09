// The built-in images: sizes and depths, the glyph strip's layout, seamless tiles, banners.
#include "platform/resources/resources.h"

#include <gtest/gtest.h>

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
        {119, 70, 70, 8},  {120, 240, 100, 4},
    };
    for (const Expected& e : table) {
        std::optional<Bitmap> b = LoadBitmap(e.id);
        ASSERT_TRUE(b) << "bitmap " << e.id;
        EXPECT_EQ(b->Width(), e.width) << e.id;
        EXPECT_EQ(b->Height(), e.height) << e.id;
        EXPECT_EQ(b->BitsPerPixel(), e.depth) << e.id;
    }
    for (int size : {32, 16}) {
        std::optional<Bitmap> icon = LoadIcon(128, size);
        ASSERT_TRUE(icon) << size;
        EXPECT_EQ(icon->Width(), size);
        EXPECT_EQ(icon->Height(), size);
        EXPECT_EQ(icon->BitsPerPixel(), 4);
    }
}

TEST(Resources, MissingAndFailingImagesLoadNothing) {
    EXPECT_FALSE(LoadBitmap(999));
    EXPECT_FALSE(LoadBitmap(-1));
    EXPECT_FALSE(LoadIcon(128, 24));
    EXPECT_FALSE(LoadIcon(137, 32)) << "bitmaps and icons have their own identifiers";
    SetBitmapLoadFails(137, true);
    EXPECT_FALSE(LoadBitmap(137));
    EXPECT_TRUE(LoadBitmap(144)) << "only the chosen one fails";
    SetBitmapLoadFails(137, false);
    EXPECT_TRUE(LoadBitmap(137));
}

TEST(Resources, EachLoadIsAFreshCopy) {
    std::optional<Bitmap> first = LoadBitmap(147);
    ASSERT_TRUE(first);
    const uint32_t was = first->Value(0, 0);
    first->SetValue(0, 0, was ^ 1);
    EXPECT_EQ(LoadBitmap(147)->Value(0, 0), was);
}

TEST(GlyphStrip, SlotsHaveSeparatorsAndCentredDistinctGlyphs) {
    const Bitmap strip = *LoadBitmap(137);
    for (int row = 0; row < 3; ++row) {
        std::set<std::vector<uint32_t>> seen;
        for (int k = 0; k < 20; ++k) {
            const int left = 20 * k, top = 20 * row;
            for (int i = 0; i < 20; ++i) {
                EXPECT_EQ(strip.Value(left + 19, top + i), 1u)
                    << "right separator " << k << "," << row;
                EXPECT_EQ(strip.Value(left + i, top + 19), 1u)
                    << "bottom separator " << k << "," << row;
            }
            for (int i = 0; i < 19; ++i) {
                EXPECT_EQ(strip.Value(left + 18, top + i), 0u) << "margin " << k << "," << row;
                EXPECT_EQ(strip.Value(left + i, top + 18), 0u) << "margin " << k << "," << row;
            }
            std::vector<uint32_t> area;
            int inkLeft = 18, inkRight = -1, inkTop = 18, inkBottom = -1;
            for (int y = 0; y < 18; ++y)
                for (int x = 0; x < 18; ++x) {
                    const uint32_t v = strip.Value(left + x, top + y);
                    area.push_back(v);
                    if (v == 0) continue;
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
            if (k == 0) {
                EXPECT_EQ(inkRight, -1) << "slot 0 is blank, row " << row;
                continue;
            }
            ASSERT_GE(inkRight, 0) << "slot " << k << " row " << row << " is empty";
            EXPECT_LE(std::abs(inkLeft - (17 - inkRight)), 1)
                << "centred across, slot " << k << " row " << row;
            EXPECT_LE(std::abs(inkTop - (17 - inkBottom)), 1)
                << "centred down, slot " << k << " row " << row;
            EXPECT_TRUE(seen.insert(area).second)
                << "slot " << k << " row " << row << " repeats another";
        }
    }
}

TEST(CellTiles, GroovesMeetTheirNeighboursWithoutASeam) {
    const Bitmap tiles = *LoadBitmap(144);
    // Sides up, right, down, left of the seven tiles.
    const bool arms[7][4] = {{0, 0, 0, 0}, {1, 0, 1, 0}, {0, 1, 0, 1}, {1, 1, 0, 0},
                             {1, 0, 0, 1}, {0, 0, 1, 1}, {0, 1, 1, 0}};
    // The pixel at position i along a side of a tile.
    auto edge = [&](int tile, int side, int i) {
        const int x = side == 1 ? 19 : side == 3 ? 0 : i;
        const int y = side == 0 ? 0 : side == 2 ? 19 : i;
        return tiles.Value(20 * tile + x, y);
    };
    int faceDarkest = 255;
    for (int y = 3; y < 17; ++y)
        for (int x = 3; x < 17; ++x)
            faceDarkest = std::min(faceDarkest, static_cast<int>(tiles.Value(x, y)));
    for (int side = 0; side < 4; ++side)
        for (int tile = 1; tile < 7; ++tile) {
            for (int other = 0; other < 7; ++other) {
                if (arms[other][side] != arms[tile][side]) continue;
                for (int i = 0; i < 20; ++i)
                    EXPECT_EQ(edge(tile, side, i), edge(other, side, i))
                        << "tiles " << tile << " and " << other << " differ on side " << side;
            }
            if (!arms[tile][side]) continue;
            // The 8-bit palette is a ramp from dark to light, so indices compare as shades.
            for (int i : {9, 10})
                EXPECT_LT(static_cast<int>(edge(tile, side, i)), faceDarkest)
                    << "the groove is darker than the stone, tile " << tile << " side " << side;
            const int facing = (side + 2) % 4;
            for (int other = 1; other < 7; ++other) {
                if (!arms[other][facing]) continue;
                for (int i = 8; i <= 11; ++i)
                    EXPECT_NEAR(static_cast<int>(edge(tile, side, i)),
                                static_cast<int>(edge(other, facing, i)), 8)
                        << "groove of tile " << tile << " meets tile " << other << " across side "
                        << side << " at " << i;
            }
        }
}

TEST(Banners, BothLanguagesAreThere) {
    auto inked = [](const Bitmap& b, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (b.Value(x, y)) return true;
        return false;
    };
    const Bitmap perfect = *LoadBitmap(114);
    EXPECT_TRUE(inked(perfect, 0, 13));
    EXPECT_TRUE(inked(perfect, 13, 26));
    const Bitmap accepted = *LoadBitmap(115);
    EXPECT_TRUE(inked(accepted, 0, 18));
    EXPECT_FALSE(inked(accepted, 18, 19)) << "row 18 is between the two copies";
    EXPECT_TRUE(inked(accepted, 19, 36));
    EXPECT_TRUE(inked(*LoadBitmap(147), 0, 15));
    EXPECT_TRUE(inked(*LoadBitmap(118), 0, 18));
    EXPECT_TRUE(inked(*LoadBitmap(134), 0, 13));
}

TEST(IntroImages, SparkleEdgesAreBlackAndTheGroundIsDarkAtTopLeft) {
    const Bitmap sparkle = *LoadBitmap(119);
    for (int i = 0; i < 70; ++i)
        for (const auto& [x, y] : {std::pair{i, 0}, {i, 69}, {0, i}, {69, i}})
            EXPECT_EQ(sparkle.ColourOf(sparkle.Value(x, y)), RGB(0, 0, 0)) << x << "," << y;
    EXPECT_GT(GetBValue(sparkle.ColourOf(sparkle.Value(35, 35))), 200);
    const Bitmap ground = *LoadBitmap(120);
    EXPECT_EQ(ground.ColourOf(ground.Value(0, 0)), RGB(0, 0, 0));
    std::set<uint32_t> shades;
    for (int y = 50; y < 100; ++y)
        for (int x = 120; x < 240; ++x)
            shades.insert(ground.Value(x, y));
    EXPECT_GE(shades.size(), 8u) << "the ripples use the palette's range";
}

}  // namespace
}  // namespace velinor
