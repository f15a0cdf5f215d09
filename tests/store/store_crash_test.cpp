// Saves killed at random moments, and two programs saving at once: the store must always hold one
// whole record of one save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <string>

#include "store/registry_schema.h"
#include "store/settings.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using test::ReadValues;
using test::TempStore;

constexpr int KillCount = 300;

// Record number g: every field holds g (the 16-bit ones g modulo 2^15), every history names g.
Settings Generation(int32_t g) {
    Settings settings;
    settings.versionText = ProgramVersion;
    settings.language = g;
    settings.difficulty = g;
    settings.symbolSet = static_cast<int16_t>(g % 32768);
    settings.player = static_cast<int16_t>(g % 32768);
    settings.lineOK = static_cast<Colour>(g);
    settings.lineVI = static_cast<Colour>(g);
    for (auto& playerStats : settings.stats) {
        for (PlayerStats& stats : playerStats) {
            stats.besttime = g;
            stats.totalplay = g;
            stats.totaltime = g;
            stats.totalpenal = g;
            SetHistoryText(stats.histo, "0;1;" + std::to_string(g) + ";");
        }
    }
    return settings;
}

// The generation the stored record comes from, or -1 when its values do not all agree or any
// is missing.
int32_t StoredGeneration() {
    if (ReadValues(SettingsKeyPath).size() != static_cast<size_t>(SettingsValueCount)) return -1;
    Settings loaded = Generation(-7);
    if (LoadSettings(loaded) != 0) return -1;
    return loaded == Generation(loaded.language) ? loaded.language : -1;
}

// Saves one generation after another until killed; the bound only matters if the parent dies.
[[noreturn]] void SaveUntilKilled(int32_t first) {
    for (int32_t g = first; g < first + 1'000'000; ++g)
        SaveSettings(Generation(g));
    _exit(0);
}

bool HasWriteAheadLog(const std::filesystem::path& file) {
    std::error_code ignored;
    return std::filesystem::file_size(file.string() + "-wal", ignored) > 0 && !ignored;
}

TEST(StoreCrash, ASaveKilledAtAnyMomentLeavesOneWholeRecord) {
    TempStore store;
    ASSERT_EQ(SaveSettings(Generation(0)), 0);
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(SaveSettings(Generation(1)), 0);
    auto saveUs = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
    // Kills spread over the first few saves of each child, from before its first write on.
    std::mt19937 random(20240531);
    std::uniform_int_distribution<int64_t> delayUs(0, 4 * saveUs);

    int32_t last = 1;
    int advanced = 0;
    int midSave = 0;
    for (int kill = 0; kill < KillCount; ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveUntilKilled(last + 1);
        usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        // A log left behind means the child died with the store open.
        midSave += HasWriteAheadLog(store.file());

        int32_t generation = StoredGeneration();
        ASSERT_NE(generation, -1) << "after kill " << kill;
        ASSERT_GE(generation, last) << "a committed save was lost after kill " << kill;
        advanced += generation > last;
        last = generation;
    }
    std::cout << KillCount << " kills (one save took " << saveUs << " us): " << midSave
              << " left the store open mid-save, " << advanced << " came after new saves, " << last
              << " generations saved in all\n";
    EXPECT_GT(midSave, 0);
    EXPECT_GT(advanced, 0);
}

TEST(StoreCrash, TwoCopiesSavingAtOnceLeaveAValidStore) {
    TempStore store;
    ASSERT_EQ(SaveSettings(Generation(0)), 0);
    constexpr int Saves = 40;
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            // Each copy saves its own generations and checks what it reads in between.
            int failures = 0;
            for (int i = 1; i <= Saves; ++i) {
                failures += SaveSettings(Generation((copy + 1) * 1000 + i)) != 0;
                failures += StoredGeneration() == -1;
            }
            _exit(failures);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "failed saves or mixed records";
    }
    int32_t generation = StoredGeneration();
    EXPECT_TRUE(generation == 1000 + Saves || generation == 2000 + Saves) << generation;
}

}  // namespace
}  // namespace velinor
