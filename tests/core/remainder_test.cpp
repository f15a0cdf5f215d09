#include "core/remainder.h"

#include <gtest/gtest.h>

#include "platform/random/random.h"

namespace velinor {
namespace {

TEST(Remainder, EqualsTheRemainderOperatorExactly) {
    SeedRandom(99);
    for (uint32_t d : {1u, 2u, 3u, 5u, 7u, 8u, 12u, 19u, 20u, 100u, 255u, 256u, 1000u, 65535u,
                       0x7FFFFFFFu, 0x80000001u, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        const Remainder mod(d);
        for (uint32_t a :
             {0u, 1u, d - 1, d, d + 1, 2 * d - 1, 0x7FFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFFu})
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
        for (int i = 0; i < 20000; ++i) {
            const uint32_t a = Random();
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
        }
    }
    // Every small divisor against every small value, the generator's own range.
    for (uint32_t d = 1; d <= 300; ++d) {
        const Remainder mod(d);
        for (uint32_t a = 0; a < 4096; ++a)
            ASSERT_EQ(mod(a), a % d) << a << " % " << d;
    }
}

}  // namespace
}  // namespace velinor
