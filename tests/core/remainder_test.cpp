#include "core/remainder.h"

#include <gtest/gtest.h>

#include "platform/random/random.h"

namespace velinor {
namespace {

TEST(Remainder, EqualsTheRemainderOperatorExactly) {
    SeedRandom(99);
    const uint32_t divisors[] = {1,    2,     3,          5,          7,          8,
                                 12,   19,    20,         100,        255,        256,
                                 1000, 65535, 0x7FFFFFFF, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF};
    for (uint32_t d : divisors) {
        const Remainder mod(d);
        const uint32_t edges[] = {0,         1,          d - 1,      d,         d + 1,
                                  2 * d - 1, 0x7FFFFFFF, 0xFFFFFFFE, 0xFFFFFFFF};
        for (uint32_t a : edges)
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
        for (int i = 0; i < 20000; ++i) {
            const uint32_t a = Random();
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
        }
    }
    // Every small divisor against every byte, the generator's own range.
    for (uint32_t d = 1; d <= 300; ++d) {
        const Remainder mod(d);
        for (uint32_t a = 0; a < 4096; ++a)
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
    }
}

}  // namespace
}  // namespace velinor
