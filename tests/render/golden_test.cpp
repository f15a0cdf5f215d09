// Every situation's whole frame against its golden frame (tests/golden/<situation>.png).
#include <gtest/gtest.h>

#include "tests/render/situations.h"
#include "tests/support/golden.h"

namespace velinor::test {
namespace {

TEST(GoldenFrames, EverySituation) {
    for (const Situation& s : Situations()) {
        PaintRig rig;
        PaintSituation(rig, s.name);
        EXPECT_TRUE(MatchesGolden(s.name, rig.Window()));
    }
}

}  // namespace
}  // namespace velinor::test
