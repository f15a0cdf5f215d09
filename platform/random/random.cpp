#include "platform/random/random.h"

#include <chrono>

namespace velinor {

RandomState randomState = {0x2545F4914F6CDD1Du};

void SeedRandom(uint64_t seed) {
    randomState.weyl = seed;
}

void SeedRandomFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<uint64_t>(now));
}

}  // namespace velinor
