// The generator's choice among four candidates.
#pragma once

#include <bit>

#include "platform/random/random.h"

namespace velinor {

// available: bit k set when candidate k can be chosen; at least one must be. k = Random AND 3,
// then k = (k + 1) mod 4 until candidate k is available: done here without a loop, as the
// first set bit of the set rotated to start at k.
inline int RandomChoice(unsigned available) {
    const unsigned k = Random() & 3;
    const unsigned fromK = ((available | available << 4) >> k) & 15;
    return static_cast<int>((k + static_cast<unsigned>(std::countr_zero(fromK))) & 3);
}

}  // namespace velinor
