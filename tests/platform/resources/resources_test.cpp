// The built-in images: missing and failing loads; their pixels show in the golden screens.
#include "platform/resources/resources.h"

#include <gtest/gtest.h>

namespace velinor {
namespace {

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
