// The opening animation's numbers: ring points scaled and projected, worked out by hand from the
// scene's formulas, and what each 60 ms step shows.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/random/random.h"
#include "render/intro.h"
#include "render/intro_projection.h"
#include "render/intro_schedule.h"

namespace velinor {
namespace {

TEST(IntroSchedule, TheRingGrowsAsAnOutlineThenABandCutAtBothEnds) {
    // s = 5f; the band's polygon has 2n points, n = 89 - 2 cut, cut = (s - 170) / 2 from s 205.
    const int cutBand[] = {110, 98, 90, 78, 70, 58, 50, 38, 30};  // steps 41 to 49
    for (uint32_t f = 0; f <= 55; ++f) {
        const RingShape ring = RingAt(f);
        const RingKind kind = f < 3 || f > 49 ? RingKind::None
                              : f < 34        ? RingKind::Outline
                                              : RingKind::Band;
        const int points = kind == RingKind::None ? 0
                           : f < 34               ? 90
                           : f < 41               ? 178
                                                  : cutBand[f - 41];
        EXPECT_EQ(ring.kind, kind) << f;
        EXPECT_EQ(ring.pointCount, points) << f;
        EXPECT_TRUE(kind == RingKind::None || ring.s == static_cast<int>(5 * f)) << f;
    }
    EXPECT_EQ(RingAt(41).cut, 17);
    EXPECT_EQ(RingAt(49).cut, 37);
    EXPECT_EQ(RingAt(100000000).kind, RingKind::None);  // a paint long overdue
}

TEST(IntroSchedule, ThePenDarkensPastSize150) {
    const std::pair<int, COLORREF> cases[] = {
        {15, RGB(150, 30, 190)},  {150, RGB(150, 30, 190)}, {155, RGB(136, 27, 172)},
        {170, RGB(107, 21, 135)}, {245, RGB(51, 10, 65)},
    };
    for (const auto& [s, colour] : cases)
        EXPECT_EQ(RingPenColour(s), colour) << s;
}

TEST(IntroSchedule, TheSparkleFlaresShrinksAndThenTwinkles) {
    const int fixed[15] = {0, 0, 0, 30, 60, 60, 55, 50, 45, 40, 35, 30, 25, 20, 15};
    SeedRandom(12);
    std::vector<uint32_t> draws;
    for (int k = 0; k < 41; ++k)
        draws.push_back(Random());
    SeedRandom(12);
    // The fixed steps draw nothing from the random source, so each later step takes the next.
    for (uint32_t f = 0; f <= 55; ++f) {
        const int expected = f < 15 ? fixed[f] : static_cast<int>(draws[f - 15] % 8 + 8);
        EXPECT_EQ(SparkleHalfSide(f), expected) << f;
    }
}

}  // namespace
}  // namespace velinor
