// Golden frames: whole images kept under tests/golden/ and compared pixel for pixel, so that any
// change of the drawing that moves a pixel is caught.
//
// After a change that is meant to move pixels, rewrite every golden frame with
//
//   VELINOR_UPDATE_GOLDEN=1 ./scripts/test.sh
//
// and look at the rewritten PNGs before committing them. On a mismatch the actual image and a
// difference image (the expected image darkened, differing pixels in magenta) are written to
// golden-failures/ in the build folder, and the failure message names them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/bitmap.h"

namespace velinor::test {

// Compares `actual` with tests/golden/<name>.png, or rewrites that file when
// VELINOR_UPDATE_GOLDEN=1 is set.
::testing::AssertionResult MatchesGolden(const std::string& name, const Bitmap& actual);

}  // namespace velinor::test
