// Saves killed at random moments, and two programs saving at once: the store must always hold one
// whole record of one save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "store/registry_schema.h"
#include "store/settings.h"
#include "tests/support/temp_store.h"

// Under AddressSanitizer, freed memory held back in the quarantine makes each of the hundreds of
// forks, and each child's first writes, copy far more pages. Without it this suite still has its
// bounds checks; use after free in the same code is caught by the other store suites.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=0";
}

namespace velinor {
namespace {

using test::TempStore;

constexpr int KillCount = 200;

// Record number g: every field holds g (the 16-bit ones g modulo 2^15), every history names g.
Settings Generation(int32_t g) {
    Settings settings;
    settings.language = settings.difficulty = g;
    settings.symbolSet = settings.player = static_cast<int16_t>(g % 32768);
    settings.lineOK = settings.lineVI = static_cast<COLORREF>(g);
    for (auto& playerStats : settings.stats) {
        for (PlayerStats& stats : playerStats) {
            stats = {g, g, g, g, {}};
            SetHistoryText(stats.histo, "0;1;" + std::to_string(g) + ";");
        }
    }
    return settings;
}

// The generation the stored record comes from, or -1 when its values do not all agree. Fields
// start at -7, which no generation holds, so a missing value shows too.
int32_t StoredGeneration() {
    Settings loaded = Generation(-7);
    if (LoadSettings(loaded) != 0 || loaded.language < 0) return -1;
    return loaded == Generation(loaded.language) ? loaded.language : -1;
}

// Saves one generation after another until killed; the bound only matters should the parent die.
// A load first brings in what the forked child has yet to touch, so that the kills, timed from the
// byte it then sends, land in saves rather than in its start.
[[noreturn]] void SaveUntilKilled(int32_t first, int readyPipe) {
    Settings warmUp;
    LoadSettings(warmUp);
    char byte = 1;
    if (write(readyPipe, &byte, 1) == 1) {
        for (int32_t g = first; g < first + 1'000'000; ++g)
            SaveSettings(Generation(g));
    }
    _exit(0);
}

// The journal gets its magic number once it is synced, just before the store file itself is
// rewritten, and keeps it until it is removed: a child killed meanwhile died committing.
bool JournalIsHot(const std::string& journal) {
    constexpr std::array<unsigned char, 8> Magic = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    std::array<unsigned char, 8> header{};
    std::ifstream in(journal, std::ios::binary);
    return in.read(reinterpret_cast<char*>(header.data()), header.size()) && header == Magic;
}

// Committing takes a small share of a save in a folder in memory. This stops the child at random
// moments until it is caught committing, or the time is up, and leaves it stopped.
void CatchCommitting(pid_t child, const std::string& journal, std::mt19937& random) {
    std::uniform_int_distribution<useconds_t> pauseUs(0, 200);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(20);
    for (;;) {
        int status = 0;
        ::kill(child, SIGSTOP);
        waitpid(child, &status, WUNTRACED);
        if (JournalIsHot(journal) || std::chrono::steady_clock::now() > deadline) return;
        ::kill(child, SIGCONT);
        usleep(pauseUs(random));
    }
}

// A killed process leaves its writes in the page cache, so syncs play no part here: a folder in
// memory keeps the test's time independent of how busy the disk is.
TEST(StoreCrash, ASaveKilledAtAnyMomentLeavesOneWholeRecord) {
    TempStore store = TempStore::InMemory();
    ASSERT_EQ(SaveSettings(Generation(1)), 0);
    const std::string journal = store.file().string() + "-journal";
    std::mt19937 random(20240531);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    // The kill comes at a random moment below this bound once the child is ready. The bound
    // follows how far the children get, so that kills keep landing in their first save or two
    // however slow the machine is at the moment.
    double boundUs = 5000;

    int32_t last = 1;
    int committing = 0;
    for (int kill = 0; kill < KillCount; ++kill) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveUntilKilled(last + 1, ready[1]);
        char byte = 0;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
        std::uniform_real_distribution<double> delayUs(0, boundUs);
        usleep(static_cast<useconds_t>(delayUs(random)));
        if (kill % 2) CatchCommitting(child, journal, random);
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        committing += JournalIsHot(journal);

        int32_t generation = StoredGeneration();
        ASSERT_NE(generation, -1) << "after kill " << kill;
        ASSERT_GE(generation, last) << "a committed save was lost after kill " << kill;
        // A child that saved nothing had too little time; one that saved twice, more than needed.
        int32_t saves = generation - last;
        if (saves == 0) boundUs = std::min(boundUs * 1.2, 100000.0);
        if (saves >= 2) boundUs = std::max(boundUs * 0.8, 100.0);
        last = generation;
    }
    close(ready[0]);
    close(ready[1]);
    std::cout << KillCount << " kills, " << committing << " of them while committing; " << last - 1
              << " saves completed in all\n";
    EXPECT_GT(committing, 0);
}

TEST(StoreCrash, TwoCopiesSavingAtOnceLeaveAValidStore) {
    TempStore store = TempStore::InMemory();
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
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "failed saves or mixed records";
    }
    int32_t generation = StoredGeneration();
    EXPECT_TRUE(generation == 1000 + Saves || generation == 2000 + Saves) << generation;
}

}  // namespace
}  // namespace velinor
