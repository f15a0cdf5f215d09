// What the random source will give: lets a test predict a random choice, then replay it.
#pragma once

#include <cstdint>

#include "platform/random/random.h"

namespace velinor::test {

// The draw number `index` (from 0) after SeedRandom(seed). Leaves the source seeded with seed.
inline uint32_t DrawAfterSeed(uint64_t seed, int index) {
    SeedRandom(seed);
    uint32_t value = 0;
    for (int i = 0; i <= index; ++i)
        value = Random();
    SeedRandom(seed);
    return value;
}

}  // namespace velinor::test
