// The opening animation's numbers: ring points scaled and projected, worked out by hand from the
// scene's formulas, and what each 60 ms step shows.
#include <gtest/gtest.h>

#include <tuple>
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
    // First step, last step, ring, points.
    const std::tuple<uint32_t, uint32_t, RingKind, int> steps[] = {
        {0, 2, RingKind::None, 0},     {3, 33, RingKind::Outline, 90},
        {34, 40, RingKind::Band, 178}, {41, 41, RingKind::Band, 110},
        {42, 42, RingKind::Band, 98},  {43, 43, RingKind::Band, 90},
        {44, 44, RingKind::Band, 78},  {45, 45, RingKind::Band, 70},
        {46, 46, RingKind::Band, 58},  {47, 47, RingKind::Band, 50},
        {48, 48, RingKind::Band, 38},  {49, 49, RingKind::Band, 30},
        {50, 55, RingKind::None, 0},
    };
    uint32_t next = 0;
    for (const auto& [first, last, kind, points] : steps) {
        ASSERT_EQ(first, next);
        for (uint32_t f = first; f <= last; ++f) {
            const RingShape ring = RingAt(f);
            EXPECT_EQ(ring.kind, kind) << f;
            EXPECT_EQ(ring.pointCount, points) << f;
            if (ring.kind != RingKind::None) {
                EXPECT_EQ(ring.s, static_cast<int>(5 * f));
            }
        }
        next = last + 1;
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
