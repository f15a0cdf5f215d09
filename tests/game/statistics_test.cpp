// What a finished game records: times, penalties, the best time and its message, the history,
// and when nothing is recorded at all.
#include <gtest/gtest.h>

#include <string>

#include "store/registry_schema.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

// The history text of a single game in `bin`.
std::string OneGameHistory(int width, int bin) {
    std::string text = "0;" + std::to_string(width) + ";";
    for (int i = 0; i < bin; ++i)
        text += "0;";
    return text + "1;";
}

class Statistics : public GameFixture {
  protected:
    Statistics() { LoadPuzzle(FourLines); }

    // The four lines of FourLines drawn with the stylus, in this order.
    void DrawLine(int label) {
        switch (label) {
            case 1:
                Drag({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}});
                break;
            case 2:
                Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}, {1, 3}});
                break;
            case 3:
                Drag({{0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 4}, {2, 3}});
                break;
            case 4:
                Drag({{4, 2}, {4, 3}, {4, 4}, {3, 4}, {3, 3}});
                break;
        }
    }

    // A game on a fresh copy of the puzzle solved in `ms` after its first touch.
    void SolveIn(uint32_t ms) {
        Command(40005);
        LoadPuzzle(FourLines);
        DrawLine(1);
        DrawLine(2);
        DrawLine(3);
        driver.Wait(ms);
        DrawLine(4);
    }

    // The statistics as the registry holds them.
    PlayerStats Stored(int player = 0, int difficulty = 0) {
        Settings stored{};
        LoadSettings(stored);
        return stored.stats[player][difficulty];
    }
};

TEST_F(Statistics, HintsAddFifteenSecondsPerRevealedPiece) {
    Tap({0, 2});  // starts the clock
    Command(40013);
    Tap({2, 0});  // line 1: 4 pieces
    Command(40013);
    Tap({3, 2});  // line 2: 6 pieces
    EXPECT_EQ(state.penaltyCells, 10u);
    DrawLine(3);
    driver.Wait(100000);
    DrawLine(4);

    EXPECT_EQ(state.phase, Finished);
    EXPECT_EQ(state.endCheck, 0);
    EXPECT_EQ(state.penaltyCells, 10u);
    EXPECT_EQ(state.elapsedMs, 250000);
    EXPECT_EQ(state.redrawMode, RedrawFull);
    const PlayerStats expected{250000, 1, 100000, 10, {}};
    for (const PlayerStats& stats : {Stats(), Stored()}) {
        EXPECT_EQ(stats.totalplay, expected.totalplay);
        EXPECT_EQ(stats.totaltime, expected.totaltime);
        EXPECT_EQ(stats.totalpenal, expected.totalpenal);
        EXPECT_EQ(stats.besttime, expected.besttime);
        EXPECT_EQ(std::string(stats.histo.data()), OneGameHistory(1, 59));  // 250 s at easy
    }
    EXPECT_EQ(BoxCount(), 2u);  // the two hint messages; a first game has no best-time message
}

TEST_F(Statistics, ShowSolutionWithSevenEmptyCells) {
    DrawLine(2);
    DrawLine(3);
    driver.Wait(30000);
    Answer(IDOK);
    Command(40016);
    EXPECT_EQ(state.penaltyCells, 7u);
    EXPECT_EQ(state.elapsedMs, 30000 + 105000);
    EXPECT_EQ(Stored().totalpenal, 7);
    EXPECT_EQ(Stored().totaltime, 30000);
}

TEST_F(Statistics, BestTimeOnlyWhenStrictlySmaller) {
    struct Game {
        uint32_t ms;
        int32_t besttime;
        bool message;
    };
    const Game games[] = {{20000, 20000, false},
                          {20000, 20000, false},
                          {15000, 15000, true},
                          {30000, 15000, false},
                          {14999, 14999, true}};
    int32_t played = 0;
    for (const Game& g : games) {
        SCOPED_TRACE(g.ms);
        const size_t boxes = BoxCount();
        SolveIn(g.ms);
        ++played;
        EXPECT_EQ(Stats().besttime, g.besttime);
        EXPECT_EQ(Stored().besttime, g.besttime);
        EXPECT_EQ(Stats().totalplay, played);
        ASSERT_EQ(BoxCount(), boxes + (g.message ? 1 : 0));
        if (g.message) {
            EXPECT_EQ(LastBox().caption, "Congratulations");
            EXPECT_EQ(LastBox().text, "Best time!");
            EXPECT_EQ(LastBox().type, MB_OK);
        }
    }
    EXPECT_EQ(Stats().totaltime, 20000 + 20000 + 15000 + 30000 + 14999);
}

TEST_F(Statistics, BestTimeMessageInFrench) {
    SolveIn(9000);
    Settings stored = settings;
    stored.language = 1;
    SaveSettings(stored);
    SolveIn(8000);
    EXPECT_EQ(LastBox().caption, "Félicitations");
    EXPECT_EQ(LastBox().text, "Meilleur temps!");
}

TEST_F(Statistics, CountedInTheSlotOfPlayerAndDifficulty) {
    Settings stored = settings;
    stored.player = 1;
    stored.difficulty = 2;
    SaveSettings(stored);
    SolveIn(1234);
    EXPECT_EQ(Stats(1, 2).totalplay, 1);
    EXPECT_EQ(Stats(1, 2).besttime, 1234);
    EXPECT_EQ(Stored(1, 2).totaltime, 1234);
    EXPECT_EQ(std::string(Stats(1, 2).histo.data()), OneGameHistory(9, 0));
    for (int p = 0; p < PlayerCount; ++p) {
        for (int d = 0; d < DifficultyCount; ++d) {
            if (p != 1 || d != 2) {
                EXPECT_EQ(Stats(p, d).totalplay, 0) << p << d;
            }
        }
    }
}

TEST_F(Statistics, NothingRecordedForTheExampleOrAnOddTime) {
    struct Case {
        const char* what;
        uint32_t ms;
        bool example;
        int32_t elapsedMs;
        bool counted;
    };
    for (const Case& c :
         {Case{"rules example", 5000, true, 5000, false}, Case{"0 ms", 0, false, 0, false},
          Case{"over 10,000,000 ms", 10000001, false, 0, false},
          Case{"10,000,000 ms", 10000000, false, 10000000, true}}) {
        SCOPED_TRACE(c.what);
        Command(40005);
        LoadPuzzle(FourLines);
        state.exampleMode = c.example ? 1 : 0;
        DrawLine(1);
        DrawLine(2);
        DrawLine(3);
        driver.JumpClock(c.ms);
        DrawLine(4);
        EXPECT_EQ(state.phase, Finished);
        EXPECT_EQ(state.elapsedMs, c.elapsedMs);
        EXPECT_FALSE(TimerRunning());
        EXPECT_EQ(Stats().totalplay, c.counted ? 1 : 0);
        EXPECT_EQ(ReadValues(SettingsKeyPath).empty(), !c.counted) << "saved";
    }
}

TEST_F(Statistics, HandEditedStoreCountsNothingOutsideTheTable) {
    for (auto [player, difficulty] : {std::pair{2, 0}, std::pair{0, 3}, std::pair{-1, 1}}) {
        SCOPED_TRACE(std::to_string(player) + "," + std::to_string(difficulty));
        Settings stored = settings;
        stored.player = static_cast<int16_t>(player);
        stored.difficulty = difficulty;
        SaveSettings(stored);
        const Settings before = [] {
            Settings s{};
            LoadSettings(s);
            return s;
        }();
        SolveIn(3000);
        EXPECT_EQ(state.phase, Finished);
        EXPECT_EQ(state.elapsedMs, 3000);
        EXPECT_EQ(settings.stats, before.stats);
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
