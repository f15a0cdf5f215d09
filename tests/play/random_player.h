// A careless player for the whole program on the headless back end: seeded random strokes,
// taps, drags, commands, clock jumps, box and dialog answers and close attempts, each followed
// by the checks of play_checks.h. The CTest suite and velinor-campaign share it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velinor::test {

struct PlayOptions {
    uint64_t seed = 1;
    int difficulty = 0;      // stored before the first start-up
    uint64_t events = 1000;  // top-level events, each followed by the checks
    // Events before the program is ended and started again on the same store, unless an Exit
    // or a close request ended it earlier.
    uint64_t sessionLength = 2500;
};

struct PlayReport {
    uint64_t events = 0;
    uint64_t sessions = 0;
    uint64_t saves = 0;
    uint64_t gamesFinished = 0;
    uint64_t modals = 0;
    // The first broken invariant, with the seed and event that broke it; empty when none broke.
    std::string fault;
};

// Plays in a store of its own (VELINOR_REGISTRY points at it meanwhile) and stops at the
// first broken invariant.
PlayReport PlayRandomly(const PlayOptions& options);

}  // namespace velinor::test
