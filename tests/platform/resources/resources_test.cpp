// The built-in images: sizes and depths, missing and failing loads.
#include "platform/resources/resources.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace velinor
