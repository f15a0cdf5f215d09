// The slot a finished game is counted in, for the player and difficulty a hand-edited store may
// give.
#include <gtest/gtest.h>

#include <utility>

#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

using Statistics = GameFixture;

TEST_F(Statistics, CountedOnlyInTheSlotOfPlayerAndDifficulty) {
    // One real slot, then players and difficulties only a hand-edited store holds.
    const std::pair<int16_t, int32_t> slots[] = {{1, 2}, {2, 0}, {0, 3}, {-1, 1}};
    for (auto [player, difficulty] : slots) {
        Settings stored = settings;
        stored.player = player;
        stored.difficulty = difficulty;
        SaveSettings(stored);
        driver.Command(MenuNewGame);
        LoadPuzzle(FourLines);
        // The lines of FourLines, the last drawn 1234 ms after the first touch.
        Drag({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}});
        Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}, {2, 2}, {1, 2}, {1, 3}});
        Drag({{0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 4}, {2, 3}});
        driver.JumpClock(1234);
        Drag({{4, 2}, {4, 3}, {4, 4}, {3, 4}, {3, 3}});
        EXPECT_EQ(state.elapsedMs, 1234);
    }
    for (int p = 0; p < PlayerCount; ++p) {
        for (int d = 0; d < DifficultyCount; ++d)
            EXPECT_EQ(settings.stats[p][d].totalplay, p == 1 && d == 2 ? 1 : 0) << p << d;
    }
    TimeHistory oneGame{};
    AddTime(oneGame, 1234, 2);
    EXPECT_EQ(settings.stats[1][2].histo, oneGame);
}

}  // namespace
}  // namespace velinor::test
