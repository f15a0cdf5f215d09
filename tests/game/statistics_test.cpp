// What a finished game records: the best time and its message, the slot it is counted in, the
// counters near their limits, and when nothing is recorded at all.
#include <gtest/gtest.h>

#include <utility>

#include "game/commands.h"
#include "store/registry_schema.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

// The lines of FourLines as the stylus draws them.
const std::vector<Cell> Lines[] = {
    {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}},
    {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}, {1, 3}},
    {{0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 4}, {2, 3}},
    {{4, 2}, {4, 3}, {4, 4}, {3, 4}, {3, 3}},
};

class Statistics : public GameFixture {
  protected:
    // A new game on FourLines, or on it as the rules example, solved `ms` after its first touch.
    void SolveIn(uint32_t ms, bool example = false) {
        Command(MenuNewGame);
        LoadPuzzle(FourLines);
        state.exampleMode = example ? 1 : 0;
        for (int line = 0; line < 3; ++line)
            Drag(Lines[line]);
        driver.JumpClock(ms);
        Drag(Lines[3]);
    }
};

TEST_F(Statistics, BestTimeOnlyWhenStrictlySmaller) {
    struct Game {
        uint32_t ms;
        int32_t language, besttime;
        const char* message;
    };
    const Game games[] = {{20000, 0, 20000, nullptr},
                          {20000, 0, 20000, nullptr},
                          {15000, 0, 15000, "Congratulations: Best time!"},
                          {30000, 0, 15000, nullptr},
                          {14999, 1, 14999, "Félicitations: Meilleur temps!"}};
    for (const Game& g : games) {
        SCOPED_TRACE(g.ms);
        Settings stored = settings;
        stored.language = g.language;
        SaveSettings(stored);
        const size_t boxes = BoxCount();
        SolveIn(g.ms);
        EXPECT_EQ(Stats().besttime, g.besttime);
        ASSERT_EQ(BoxCount(), boxes + (g.message ? 1 : 0));
        if (g.message) {
            EXPECT_EQ(LastBox(), g.message);
        }
    }
    EXPECT_EQ(Stats().totalplay, 5);
    EXPECT_EQ(Stats().totaltime, 20000 + 20000 + 15000 + 30000 + 14999);
}

TEST_F(Statistics, CountedOnlyInTheSlotOfPlayerAndDifficulty) {
    // One real slot, then players and difficulties only a hand-edited store holds.
    const std::pair<int16_t, int32_t> slots[] = {{1, 2}, {2, 0}, {0, 3}, {-1, 1}};
    for (auto [player, difficulty] : slots) {
        Settings stored = settings;
        stored.player = player;
        stored.difficulty = difficulty;
        SaveSettings(stored);
        SolveIn(1234);
        EXPECT_EQ(state.elapsedMs, 1234);
    }
    for (int p = 0; p < PlayerCount; ++p) {
        for (int d = 0; d < DifficultyCount; ++d)
            EXPECT_EQ(Stats(p, d).totalplay, p == 1 && d == 2 ? 1 : 0) << p << d;
    }
    TimeHistory oneGame{};
    AddTime(oneGame, 1234, 2);
    EXPECT_EQ(Stats(1, 2).histo, oneGame);
}

TEST_F(Statistics, NothingRecordedForTheExampleOrAnOddTime) {
    struct Case {
        const char* what;
        uint32_t ms;
        bool example;
        int32_t elapsedMs;
    };
    for (const Case& c : {Case{"rules example", 5000, true, 5000}, Case{"0 ms", 0, false, 0},
                          Case{"over 10,000,000 ms", 10000001, false, 0},
                          Case{"10,000,000 ms", 10000000, false, 10000000}}) {
        SCOPED_TRACE(c.what);
        const bool counted = !c.example && c.elapsedMs != 0;
        SolveIn(c.ms, c.example);
        EXPECT_EQ(state.phase, Finished);
        EXPECT_EQ(state.elapsedMs, c.elapsedMs);
        EXPECT_FALSE(TimerRunning());
        EXPECT_EQ(Stats().totalplay, counted ? 1 : 0);
        EXPECT_EQ(ReadValues(SettingsKeyPath).empty(), !counted) << "saved";
    }
}

TEST_F(Statistics, CountersNearTheirLimitWrapInsteadOfOverflowing) {
    Settings stored = settings;
    stored.stats[0][0] = {INT32_MAX - 100, INT32_MAX, INT32_MAX - 10, INT32_MAX, {}};
    SaveSettings(stored);
    SolveIn(2000);
    EXPECT_EQ(Stats().totalplay, INT32_MIN);
    EXPECT_EQ(Stats().totaltime, INT32_MIN + 1989);
    EXPECT_EQ(Stats().totalpenal, INT32_MAX);
    EXPECT_EQ(Stats().besttime, 2000);
}

}  // namespace
}  // namespace velinor::test
