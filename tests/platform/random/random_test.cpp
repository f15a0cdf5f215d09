#include "platform/random/random.h"
#include "platform/random/random_pairs.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velinor {
namespace {

TEST(Random, MatchesPublishedWyrandOutputs) {
    // wyrand's first 64-bit outputs from the seed 42; each call gives the low half of one.
    const uint64_t published[] = {12558987674375533620u, 16846851108956068306u,
                                  14652274819296609082u, 16945271478357465713u,
                                  6502026092014180032u};
    SeedRandom(42);
    for (uint64_t output : published)
        EXPECT_EQ(Random(), static_cast<uint32_t>(output));
}

TEST(ForEachRandomPair, GivesTheRemaindersOfSuccessiveDraws) {
    // Pair counts around the four-draw steps; divisors from the trivial to the widest.
    for (uint32_t divisor : {1u, 2u, 19u, 20u, 1000u, 0x80000001u, 0xFFFFFFFFu}) {
        for (int pairs : {0, 1, 2, 3, 5, 1900}) {
            const uint64_t seed = 0xFFFFFFFFFFFFFFF0u - divisor;  // the Weyl sum wraps early on
            SeedRandom(seed);
            std::vector<std::pair<uint32_t, uint32_t>> expected;
            for (int p = 0; p < pairs; ++p) {
                const uint32_t i = Random() % divisor;
                expected.emplace_back(i, Random() % divisor);
            }
            const uint32_t after = Random();

            SeedRandom(seed);
            std::vector<std::pair<uint32_t, uint32_t>> given;
            ForEachRandomPair(pairs, divisor,
                              [&given](uint32_t i, uint32_t j) { given.emplace_back(i, j); });
            EXPECT_EQ(given, expected) << pairs << " pairs % " << divisor;
            EXPECT_EQ(Random(), after) << pairs << " pairs % " << divisor;
        }
    }
}

}  // namespace
}  // namespace velinor
