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

TEST(IntroProjection, ScalingTruncatesTowardZero) {
    const RingPoints table = MakeRingTable();
    // i = 45 lies 180 degrees round, a hair short of it: sin 3.1415 = 0.0000927, so y at size 1
    // is 99.99999957 and 200 times that still falls short of 20000.
    const std::tuple<int, int, Point> cases[] = {
        {0, 15, {0, -1500}},        // the far point of the first ring
        {10, 100, {44994, -7660}},  // 449.94 and -76.606
        {67, 100, {-69957, 350}},   // -699.570: truncation, not the floor
        {45, 200, {12, 19999}},     //
        {45, 205, {13, 20499}},     // past the near limit
        {45, 199, {12, 19899}},     // the inner edge at 205
        {40, 245, {58669, 23021}},  // the largest size
    };
    for (const auto& [i, s, expected] : cases)
        EXPECT_EQ(ScaleRingPoint(table[i], s), expected) << i << " at " << s;
}

TEST(IntroProjection, PointsLandWhereTheFormulasPutThem) {
    EXPECT_EQ(DepthScale(), 20000.0 / 1650.0);
    // py = 110 + 7000 / (trunc((20000 - y) / depthScale) + 100), t = x * 120 / 20000,
    // w = t * (180 - py) / 70, dx = t - w, dy = py - 114,
    // X = 85 - trunc(0.259 dy - 0.966 dx), Y = 114 - trunc(0.259 dx - 0.966 dy).
    const std::pair<Point, Point> cases[] = {
        // depth 21500 * 0.0825 = 1773: py 113, dy -1; X 85 - trunc(-0.259), Y 114 - trunc(0.966).
        {{0, -1500}, {85, 114}},
        // depth 2281, py 112; t 269, w 261, dx 8, dy -2: X 85 + 8 (8.246), Y 114 - 4 (4.004).
        {{44994, -7660}, {93, 110}},
        // py 114; t = trunc(-421.2) = -421, w = trunc(-396.9) = -396, dx -25:
        // X 85 - 24 (24.15), Y 114 + 6 (-6.475). Floor division would give t -422, X 62.
        {{-70200, 0}, {61, 120}},
        // Depth 1 * 0.0825 truncates to 0: py 180, dy 66: X 85 - 17, Y 114 + 63.
        {{0, 19999}, {68, 177}},
        // At or past the near limit py is 20000, dy 19886: X 85 - 5150, Y 114 + 19209.
        {{0, 20000}, {-5065, 19323}},
        {{13, 20499}, {-5065, 19323}},
        // The largest ring past the near limit: t 352, w = trunc(352 * -19820 / 70) = -99666,
        // dx 100018: X 85 + 91466 (-91466.9), Y 114 - 6694 (6694.8).
        {{58669, 23021}, {91551, -6580}},
    };
    for (const auto& [ground, screen] : cases)
        EXPECT_EQ(ProjectRingPoint(ground, DepthScale()), screen) << ground.x << ", " << ground.y;
}

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
