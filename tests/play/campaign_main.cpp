// velinor-campaign EVENTS SEED...: random play of EVENTS events for each seed (difficulty
// seed mod 3), one line of figures a seed; stops at the first broken invariant with status 1.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/play/random_player.h"

int main(int argc, char** argv) {
    using velinor::test::PlayOptions;
    if (argc < 3) {
        std::fprintf(stderr, "Usage: velinor-campaign EVENTS SEED...\n");
        return 2;
    }
    const uint64_t events = std::strtoull(argv[1], nullptr, 10);
    uint64_t total = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 2; i < argc; ++i) {
        PlayOptions options;
        options.seed = std::strtoull(argv[i], nullptr, 10);
        options.difficulty = static_cast<int>(options.seed % 3);
        options.events = events;
        const auto seedStart = std::chrono::steady_clock::now();
        const velinor::test::PlayReport report = velinor::test::PlayRandomly(options);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - seedStart;
        total += report.events;
        std::printf(
            "seed %llu difficulty %d: %llu events, %llu runs, %llu games finished, "
            "%llu saves, %llu boxes and dialogs, %.1f s\n",
            static_cast<unsigned long long>(options.seed), options.difficulty,
            static_cast<unsigned long long>(report.events),
            static_cast<unsigned long long>(report.sessions),
            static_cast<unsigned long long>(report.gamesFinished),
            static_cast<unsigned long long>(report.saves),
            static_cast<unsigned long long>(report.modals), took.count());
        std::fflush(stdout);
        if (!report.fault.empty()) {
            std::printf("FAULT %s\n", report.fault.c_str());
            return 1;
        }
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("total: %llu events in %.1f s, no invariant broken\n",
                static_cast<unsigned long long>(total), took.count());
    return 0;
}
