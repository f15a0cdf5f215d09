// velinor-campaign EVENTS SEED...: random play of EVENTS events for each seed (difficulty
// seed mod 3), one line of figures a seed; stops at the first broken invariant with status 1.
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "tests/play/random_player.h"

int main(int argc, char** argv) {
    using Clock = std::chrono::steady_clock;
    if (argc < 3) {
        std::fprintf(stderr, "Usage: velinor-campaign EVENTS SEED...\n");
        return 2;
    }
    uint64_t total = 0;
    const auto start = Clock::now();
    for (int i = 2; i < argc; ++i) {
        const uint64_t seed = std::strtoull(argv[i], nullptr, 10);
        const int difficulty = static_cast<int>(seed % 3);
        const auto seedStart = Clock::now();
        const velinor::test::PlayReport report =
            velinor::test::PlayRandomly({.seed = seed,
                                         .difficulty = difficulty,
                                         .events = std::strtoull(argv[1], nullptr, 10)});
        const std::chrono::duration<double> took = Clock::now() - seedStart;
        total += report.events;
        std::printf("seed %" PRIu64 " difficulty %d: %" PRIu64 " events, %" PRIu64 " runs, %" PRIu64
                    " games finished, %" PRIu64 " saves, %" PRIu64 " boxes and dialogs, %.1f s\n",
                    seed, difficulty, report.events, report.sessions, report.gamesFinished,
                    report.saves, report.modals, took.count());
        std::fflush(stdout);
        if (!report.fault.empty()) {
            std::printf("FAULT %s\n", report.fault.c_str());
            return 1;
        }
    }
    const std::chrono::duration<double> took = Clock::now() - start;
    std::printf("total: %" PRIu64 " events in %.1f s, no invariant broken\n", total, took.count());
    return 0;
}
