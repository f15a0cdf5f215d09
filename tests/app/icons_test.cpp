// The installed icons at 64, 128 and 256 pixels are the 32-pixel icon with every pixel made a
// square block: no smoothing, the same 16-colour palette.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/png.h"

namespace velinor {
namespace {

TEST(Icons, LargeIconsAreTheSmallOneScaledByWholeNumbers) {
    std::string error;
    const auto small = LoadPng(VELINOR_ICON_SOURCE, &error);
    ASSERT_TRUE(small) << error;
    ASSERT_EQ(small->Width(), 32);
    for (int factor : {2, 4, 8}) {
        const std::string path =
            std::string(VELINOR_ICON_DIR) + "/velinor-" + std::to_string(32 * factor) + ".png";
        const auto large = LoadPng(path, &error);
        ASSERT_TRUE(large) << error;
        ASSERT_EQ(large->Width(), 32 * factor);
        ASSERT_EQ(large->Height(), 32 * factor);
        EXPECT_EQ(large->BitsPerPixel(), small->BitsPerPixel());
        EXPECT_EQ(large->Palette(), small->Palette());
        for (int y = 0; y < large->Height(); ++y)
            for (int x = 0; x < large->Width(); ++x)
                ASSERT_EQ(large->Value(x, y), small->Value(x / factor, y / factor))
                    << factor << ": " << x << ", " << y;
    }
}

}  // namespace
}  // namespace velinor
