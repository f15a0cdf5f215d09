#include "platform/random/remainder.h"

#include <gtest/gtest.h>

#include "platform/random/random.h"

namespace velinor {
namespace {

TEST(Remainder, EqualsTheRemainderOperator) {
    SeedRandom(99);
    for (uint32_t d : {1u, 2u, 3u, 7u, 19u, 20u, 1000u, 0x80000001u, 0xFFFFFFFFu}) {
        const Remainder mod(d);
        for (uint32_t a : {0u, d - 1, d, d + 1, 0xFFFFFFFFu})
            EXPECT_EQ(mod(a), a % d) << a << " % " << d;
        for (int i = 0; i < 10000; ++i) {
            const uint32_t a = Random();
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
        }
    }
}

}  // namespace
}  // namespace velinor
