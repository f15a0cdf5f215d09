// Whole screens kept under tests/golden/ and compared pixel for pixel. After a change meant to
// move pixels, rewrite them with VELINOR_UPDATE_GOLDEN=1 and look at them before committing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/png.h"

namespace velinor::test {

inline ::testing::AssertionResult MatchesGoldenFrame(const std::string& name,
                                                     const Bitmap& actual) {
    const std::string reference = std::string(VELINOR_GOLDEN_DIR) + "/" + name + ".png";
    const char* update = std::getenv("VELINOR_UPDATE_GOLDEN");
    std::string error;
    if (update != nullptr && std::string(update) == "1") {
        if (SavePng(actual, reference, &error)) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "cannot write " << reference << ": " << error;
    }
    const std::optional<Bitmap> expected = LoadPng(reference, &error);
    if (!expected) return ::testing::AssertionFailure() << reference << ": " << error;
    if (expected->Width() != actual.Width() || expected->Height() != actual.Height())
        return ::testing::AssertionFailure() << reference << " is of another size";
    int differing = 0;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            differing +=
                expected->ColourOf(expected->Value(x, y)) != actual.ColourOf(actual.Value(x, y));
    if (differing == 0) return ::testing::AssertionSuccess();
    const std::string written = std::string(VELINOR_GOLDEN_FAILURES) + "/" + name + ".png";
    SavePng(actual, written, &error);
    return ::testing::AssertionFailure()
           << differing << " pixels differ from " << reference << "; this screen: " << written;
}

}  // namespace velinor::test
