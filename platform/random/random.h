// The platform's pseudo-random source: one uniform unsigned 32-bit number per call.
#pragma once

#include <cstdint>

namespace velinor {

// wyrand (Wang Yi, from wyhash): a 64-bit Weyl sequence mixed by one 64 x 64 -> 128-bit multiply;
// passes BigCrush and PractRand, period 2^64. Each call gives the low 32 bits of one output.
// Chosen for speed: the state advances by a single addition, so a burst of draws (a new game
// makes about 4,000) is not held up by a long dependency chain.
struct RandomState {
    uint64_t weyl;
};

// The Weyl sequence's step, and the constant the state is mixed with.
constexpr uint64_t WeylStep = 0xA0761D6478BD642Fu;
constexpr uint64_t WeylMix = 0xE7037ED1A0B428DBu;

extern RandomState randomState;

inline uint32_t Random() {
    __extension__ using Wide = unsigned __int128;
    randomState.weyl += WeylStep;
    const Wide product = static_cast<Wide>(randomState.weyl) * (randomState.weyl ^ WeylMix);
    return static_cast<uint32_t>(static_cast<uint64_t>(product >> 64) ^
                                 static_cast<uint64_t>(product));
}

// The same seed gives the same sequence, so a game can be replayed. Every seed is valid.
void SeedRandom(uint64_t seed);
void SeedRandomFromClock();

}  // namespace velinor
