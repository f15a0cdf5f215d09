// The generator's choice among four candidates.
#pragma once

#include "platform/random/random.h"

namespace velinor {

// available: bit k set when candidate k can be chosen; at least one must be.
inline int RandomChoice(unsigned available) {
    unsigned k = Random() & 3;
    while ((available >> k & 1) == 0)
        k = (k + 1) % 4;
    return static_cast<int>(k);
}

}  // namespace velinor
