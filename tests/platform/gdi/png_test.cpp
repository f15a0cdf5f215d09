// PNG files keep depth, palette, indices and text chunks.
#include "platform/gdi/png.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace velinor {
namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            (std::string("velinor-") +
             std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + name))
        .string();
}

TEST(Png, RoundTripsEveryDepth) {
    for (int depth : {1, 4, 8, 24}) {
        Bitmap image(7, 3, depth, {RGB(10, 20, 30), RGB(200, 0, 100)});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                image.SetValue(x, y,
                               depth == 24 ? RGB(x, y, 77) : static_cast<uint32_t>(x + y) % 2);
        const std::string path = TempPath("roundtrip.png");
        std::string error;
        ASSERT_TRUE(SavePng(image, path, &error, {{"cell-width", "12"}})) << error;
        PngTexts texts;
        std::optional<Bitmap> back = LoadPng(path, &error, &texts);
        std::remove(path.c_str());
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->BitsPerPixel(), depth);
        EXPECT_EQ(back->Width(), 7);
        EXPECT_EQ(back->Height(), 3);
        EXPECT_EQ(back->Palette(), image.Palette());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(back->Value(x, y), image.Value(x, y));
        EXPECT_EQ(texts["cell-width"], "12");
    }
}

TEST(Png, FailuresAreReportedNotThrown) {
    std::string error;
    EXPECT_FALSE(LoadPng("/nonexistent/velinor.png", &error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos);
    const std::string path = TempPath("garbage.png");
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("not a png at all", f);
    std::fclose(f);
    EXPECT_FALSE(LoadPng(path, &error));
    std::remove(path.c_str());
    EXPECT_FALSE(SavePng(Bitmap(2, 2, 8), "/nonexistent/dir/out.png", &error));
    EXPECT_FALSE(SavePng(Bitmap(0, 5, 8), TempPath("empty.png"), &error));
}

}  // namespace
}  // namespace velinor
