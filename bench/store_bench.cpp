// Saving and loading the whole Settings record: the work after every counted game and at the
// start of every new one.
#include <benchmark/benchmark.h>

#include "store/settings.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

// A record after some play: every slot has counts and a history of 40 games.
Settings PlayedRecord() {
    Settings settings;
    InitSettings(settings);
    for (int player = 0; player < PlayerCount; ++player) {
        for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
            PlayerStats& stats = settings.stats[player][difficulty];
            for (int game = 0; game < 40; ++game) {
                int32_t timeMs = 20000 + 7919 * game % 400000;
                stats.totalplay += 1;
                stats.totaltime += timeMs;
                AddTime(stats.histo, timeMs, difficulty);
            }
            stats.besttime = 20000;
        }
    }
    return settings;
}

// Each save records one more game, as after a finished game: a save of an unchanged record
// writes nothing and would not show the cost. The temporary folder is on disk here, so every
// save pays for its syncs as a player's would.
void BM_SaveSettings(benchmark::State& state) {
    test::TempStore store;
    Settings settings = PlayedRecord();
    PlayerStats& stats = settings.stats[0][1];
    for (auto _ : state) {
        stats.totalplay += 1;
        stats.totaltime += 60000;
        AddTime(stats.histo, 60000, 1);
        if (SaveSettings(settings) != 0) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveSettings)->Unit(benchmark::kMicrosecond);

void BM_LoadSettings(benchmark::State& state) {
    test::TempStore store;
    const Settings saved = PlayedRecord();
    if (SaveSettings(saved) != 0) state.SkipWithError("save failed");
    Settings settings;
    settings.versionText = ProgramVersion;  // never read back
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSettings(settings));
    if (!(settings == saved)) state.SkipWithError("record did not read back");
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velinor
