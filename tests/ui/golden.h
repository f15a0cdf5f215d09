// Whole screens compared pixel for pixel with PNGs kept under tests/golden/. After a change
// meant to move pixels, rewrite them with
//
//   VELINOR_UPDATE_GOLDEN=1 ./scripts/test.sh
//
// and look at the new images before committing them. Every run leaves what it saw under
// screenshots/ in the build folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/gdi/png.h"

namespace velinor::test {

inline ::testing::AssertionResult MatchesGolden(const std::string& name, const Bitmap& actual) {
    const std::filesystem::path golden =
        std::filesystem::path(VELINOR_GOLDEN_DIR) / (name + ".png");
    const std::filesystem::path seen =
        std::filesystem::path(VELINOR_SCREENSHOT_DIR) / (name + ".png");
    std::filesystem::create_directories(seen.parent_path());
    std::string error;
    if (!SavePng(actual, seen.string(), &error))
        return ::testing::AssertionFailure() << "cannot write " << seen << ": " << error;
    const char* update = std::getenv("VELINOR_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::filesystem::create_directories(golden.parent_path());
        if (SavePng(actual, golden.string(), &error)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write " << golden << ": " << error;
    }
    const std::optional<Bitmap> expected = LoadPng(golden.string(), &error);
    if (!expected)
        return ::testing::AssertionFailure() << "no golden image " << golden << ": " << error;
    if (expected->Width() != actual.Width() || expected->Height() != actual.Height())
        return ::testing::AssertionFailure()
               << golden << " is " << expected->Width() << " x " << expected->Height()
               << ", the screen " << actual.Width() << " x " << actual.Height();
    int differing = 0;
    Point first{};
    for (int y = 0; y < actual.Height(); ++y) {
        for (int x = 0; x < actual.Width(); ++x) {
            if (expected->ColourOf(expected->Value(x, y)) == actual.ColourOf(actual.Value(x, y)))
                continue;
            if (differing++ == 0) first = {x, y};
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ from " << golden << ", the first at (" << first.x << ", "
           << first.y << "); the screen is " << seen;
}

}  // namespace velinor::test
