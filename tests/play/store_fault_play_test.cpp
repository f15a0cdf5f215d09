// The whole program on a store it cannot use, one it can read (read-only) and one it cannot
// (damaged bytes); the store's own tests cover the other faults. Each run is a program of its own
// (a child process): it plays a game to its end on the stored values or the defaults, leaves the
// file as it was, and once the fault is gone the next save lands whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

#include "app/game_app.h"
#include "game/commands.h"
#include "platform/headless/headless.h"
#include "platform/random/random.h"
#include "tests/play/play_checks.h"
#include "tests/play/save_watch.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

namespace fs = std::filesystem;

struct GameRun {
    bool finished = false;  // a game was touched, played two seconds and ended
    int32_t language = -1;  // as loaded at start-up
    bool saveTried = false;
    bool storedWhole = false;  // the store then held exactly what the save wrote
};

// A program's run: start-up, a tap on the board, two seconds, Show solution confirmed.
GameRun PlayOneGame(const std::function<void()>& before) {
    before();
    GameRun run;
    HeadlessDriver driver;
    GameApp app;
    SeedRandom(3);
    if (!app.InitInstance()) return run;
    driver.Wait(0);
    MainFrame& frame = *app.Frame();
    run.language = frame.settings.language;
    driver.AnswerEvery([&driver](CDialog&) { driver.Click(IDOK); });
    driver.Tap(5, 280);
    driver.Tap(frame.board.originX + CellSize / 2, frame.board.originY + CellSize / 2);
    driver.Wait(2000);
    driver.Command(MenuShowSolution);
    const Settings& settings = frame.settings;
    run.finished = frame.state.phase == Finished &&
                   settings.stats[settings.player][settings.difficulty].totalplay >= 1;
    run.saveTried = Saves().count != 0;
    run.storedWhole =
        run.saveTried && Saves().result == 0 && CheckStoredRecord(Saves().last).empty();
    app.EndInstance();
    return run;
}

std::vector<char> Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Fault {
    const char* name;
    bool readable;                              // the run keeps the stored values
    std::function<void(const fs::path&)> make;  // in the test, before the run
    std::function<void()> inRun;                // in the run's own process
    std::function<void(const fs::path&)> clear;
};

class ProgramOnABrokenStore : public ::testing::TestWithParam<Fault> {};

TEST_P(ProgramOnABrokenStore, PlaysOnLeavesTheFileAndTheNextGoodSaveLandsWhole) {
    const Fault& fault = GetParam();
    TempStore store;
    Settings last;
    InitSettings(last);
    last.language = 1;
    last.difficulty = 1;
    last.stats[0][1] = {.besttime = 90000, .totalplay = 2, .totaltime = 180000};
    ASSERT_EQ(SaveSettings(last), 0);
    fault.make(store.file());
    const std::vector<char> before = Bytes(store.file());

    const auto faulty = InChild<GameRun>([&] { return PlayOneGame(fault.inRun); });
    ASSERT_TRUE(faulty.has_value()) << "the program did not end normally";
    EXPECT_TRUE(faulty->finished);
    EXPECT_EQ(faulty->language, fault.readable ? 1 : 0) << "the stored values or the defaults";
    EXPECT_TRUE(faulty->saveTried);
    EXPECT_FALSE(faulty->storedWhole);
    EXPECT_EQ(Bytes(store.file()), before) << "a store it could not use was written";
    fault.clear(store.file());

    const auto good = InChild<GameRun>([] { return PlayOneGame([] {}); });
    ASSERT_TRUE(good.has_value());
    EXPECT_TRUE(good->finished);
    EXPECT_TRUE(good->storedWhole);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ProgramOnABrokenStore,
    ::testing::Values(
        Fault{"ReadOnlyFile", true,
              [](const fs::path& f) { fs::permissions(f, fs::perms::owner_read); }, HonourFileModes,
              [](const fs::path& f) {
                  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write);
              }},
        Fault{"DamagedBytes", false,
              [](const fs::path& f) {
                  std::mt19937 random(7);
                  std::vector<char> bytes = Bytes(f);
                  for (char& b : bytes)
                      b = static_cast<char>(random());
                  std::ofstream(f, std::ios::binary).write(bytes.data(), std::ssize(bytes));
              },
              // The player deletes the damaged file.
              [] {}, [](const fs::path& f) { fs::remove(f); }}),
    [](const ::testing::TestParamInfo<Fault>& param) { return param.param.name; });

}  // namespace
}  // namespace velinor::test
