// Whole screens compared with PNGs under tests/golden/. After a change meant to move pixels:
// `VELINOR_UPDATE_GOLDEN=1 ./scripts/test.sh`, then look at the rewritten images. Every run
// leaves what it saw under screenshots/ in the build folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/png.h"

namespace velinor::test {

inline ::testing::AssertionResult MatchesGolden(const std::string& name, const Bitmap& actual) {
    const std::string golden = VELINOR_GOLDEN_DIR "/" + name + ".png";
    const std::string seen = VELINOR_SCREENSHOT_DIR "/" + name + ".png";
    const char* update = std::getenv("VELINOR_UPDATE_GOLDEN");
    const bool updating = update != nullptr && std::string(update) == "1";
    std::string error;
    for (const std::string& path : updating ? std::vector{seen, golden} : std::vector{seen}) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        if (!SavePng(actual, path, &error)) return ::testing::AssertionFailure() << error;
    }
    const std::optional<Bitmap> expected = LoadPng(golden, &error);
    if (!expected) return ::testing::AssertionFailure() << error;
    int differing =
        expected->Width() == actual.Width() && expected->Height() == actual.Height() ? 0 : -1;
    for (int y = 0; differing >= 0 && y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            differing +=
                expected->ColourOf(expected->Value(x, y)) != actual.ColourOf(actual.Value(x, y));
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen " << seen << " differs from " << golden
                                         << (differing < 0 ? " in size" : " in pixels");
}

}  // namespace velinor::test
