// PNG files keep depth, palette, indices and text chunks; failures are reported, not thrown.
#include "platform/gdi/png.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace velinor {
namespace {

TEST(Png, RoundTripsEveryDepthAndReportsFailures) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("velinor-png-" + std::to_string(::getpid()) + ".png"))
                                 .string();
    for (int depth : {1, 4, 8, 24}) {
        Bitmap image(7, 3, depth, {RGB(10, 20, 30), RGB(200, 0, 100)});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                image.SetValue(x, y, depth == 24 ? RGB(x, y, 77) : uint32_t(x + y) % 2);
        std::string error;
        ASSERT_TRUE(SavePng(image, path, &error, {{"cell-width", "12"}})) << error;
        PngTexts texts;
        std::optional<Bitmap> back = LoadPng(path, &error, &texts);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(back->BitsPerPixel(), depth);
        EXPECT_EQ(back->Bounds(), image.Bounds());
        EXPECT_EQ(back->Palette(), image.Palette());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 7; ++x)
                EXPECT_EQ(back->Value(x, y), image.Value(x, y));
        EXPECT_EQ(texts["cell-width"], "12");
    }

    std::string error;
    EXPECT_FALSE(LoadPng("/nonexistent/velinor.png", &error));
    EXPECT_NE(error.find("cannot be opened"), std::string::npos);
    std::ofstream(path) << "not a png at all";
    EXPECT_FALSE(LoadPng(path, &error));
    EXPECT_FALSE(SavePng(Bitmap(2, 2, 8), "/nonexistent/dir/out.png", &error));
    EXPECT_FALSE(SavePng(Bitmap(0, 5, 8), path, &error));
    std::remove(path.c_str());
}

}  // namespace
}  // namespace velinor
