// Many random events no person would make: presses, moves and releases anywhere (far off the
// screen too, and straight to the handlers past the window system's clamping), double taps,
// every command in every state, waits and clock leaps, boxes answered at random. After each one
// the board keeps its encoding and the game its rules.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "game/stylus.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

constexpr uint32_t Commands[] = {40005, 40011, 40015, 40012, 40013, 40014, 40007, 40016};

bool IsPiece(int8_t v) {
    for (int8_t piece : {-12, -13, -14, -23, -24, -34}) {
        if (v == piece) return true;
    }
    return false;
}

int32_t TotalPlayed(const Settings& settings) {
    int32_t total = 0;
    for (const auto& perPlayer : settings.stats) {
        for (const PlayerStats& stats : perPlayer)
            total += stats.totalplay;
    }
    return total;
}

class RandomEvents : public GameFixture, public ::testing::WithParamInterface<int32_t> {
  protected:
    RandomEvents() : rng(20240611u + static_cast<uint32_t>(GetParam())) {
        Settings stored = settings;
        stored.difficulty = GetParam();
        SaveSettings(stored);
        Command(40005);
        driver.AnswerEvery([this](CDialog&) { driver.Click(Chance(2) ? IDOK : IDCANCEL); });
        frame.validateOnly = true;
    }

    bool Chance(int in) { return rng() % static_cast<uint32_t>(in) == 0; }
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(rng); }

    // Mostly the centre of a cell next to the last one, so that strokes get drawn; sometimes
    // any cell, any client pixel, or a place far off the screen.
    Point Somewhere() {
        const int size = board.gridSize;
        if (Chance(20)) return {Uniform(-100000, 100000), Uniform(-100000, 100000)};
        if (Chance(10)) return {Uniform(0, ScreenWidth - 1), Uniform(0, 293)};
        if (Chance(5)) {
            last = {static_cast<int8_t>(Uniform(0, size - 1)),
                    static_cast<int8_t>(Uniform(0, size - 1))};
        } else {
            const Cell next = Neighbour(last, Uniform(Up, Left));
            if (InGrid(board, next.x, next.y)) last = next;
        }
        return Centre(last);
    }

    void RandomEvent() {
        const int kind = Uniform(0, 99);
        if (kind < 30) {
            const Point p = Somewhere();
            driver.Move(p.x, p.y);
        } else if (kind < 45) {
            const Point p = Somewhere();
            driver.Press(p.x, p.y);
        } else if (kind < 57) {
            const Point p = Somewhere();
            driver.Release(p.x, p.y);
        } else if (kind < 62) {
            const Point p = Somewhere();
            driver.Tap(p.x, p.y);
            driver.Tap(p.x, p.y);
        } else if (kind < 70) {
            // Past the window system, which would have clamped these.
            const int x = Chance(2) ? Uniform(INT_MIN, INT_MAX) : Uniform(-50, 300);
            const int y = Chance(2) ? Uniform(INT_MIN, INT_MAX) : Uniform(-50, 350);
            switch (Uniform(0, 3)) {
                case 0:
                    OnLButtonDown(game, x, y);
                    break;
                case 1:
                    OnMouseMove(game, x, y);
                    break;
                case 2:
                    OnLButtonDblClk(game, x, y);
                    break;
                default:
                    OnLButtonUp(game);
                    break;
            }
        } else if (kind < 80) {
            const uint32_t command = Commands[Uniform(0, 7)];
            // A new puzzle is slow to make: mostly once a game is over.
            const bool newGame = command == 40005 || command == 40011;
            if (!newGame || Chance(state.phase == Finished ? 1 : 20)) Command(command);
        } else if (kind < 95) {
            driver.Wait(static_cast<uint32_t>(Uniform(0, 400)));
        } else if (kind < 97) {
            // Now and then past the longest time recorded; the tick counter never wraps here.
            driver.JumpClock(
                static_cast<uint32_t>(Chance(50) ? Uniform(10000000, 12000000) : Uniform(0, 5000)));
        } else if (kind < 99) {
            NearlySolve();
        } else if (!TimerRunning()) {
            frame.StartIntro();  // only where start-up could have it: no clock running
        }
    }

    // Every cell the player could draw as the solution has it, but one piece left empty, so
    // that strokes and hints finish games too.
    void NearlySolve() {
        const int size = GridExtent(board);
        for (int x = 0; x < size; ++x) {
            for (int y = 0; y < size; ++y) {
                const int i = CellIndex(x, y);
                if (board.revealed[i] == 0) board.player[i] = board.solution[i];
            }
        }
        const int i = CellIndex(Uniform(0, size - 1), Uniform(0, size - 1));
        if (board.solution[i] < 0 && board.revealed[i] == 0) board.player[i] = 0;
    }

    ::testing::AssertionResult Sound() {
        const int size = GridExtent(board);
        if (size != 5 && size != 8 && size != 12)
            return ::testing::AssertionFailure() << "grid size " << board.gridSize;
        int revealedPieces = 0;
        for (int x = 0; x < MaxGridSize; ++x) {
            for (int y = 0; y < MaxGridSize; ++y) {
                const int i = CellIndex(x, y);
                const int8_t s = board.solution[i], p = board.player[i];
                auto fail = [&] {
                    return ::testing::AssertionFailure() << "cell " << x << "," << y << ": ";
                };
                if (x >= size || y >= size) {
                    if (s || p || board.errorMarks[i] || board.revealed[i] || board.traceMarks[i])
                        return fail() << "written outside the grid";
                    continue;
                }
                if (s > 0 ? p != s : (p != 0 && !IsPiece(p)))
                    return fail() << "player " << int{p} << " on solution " << int{s};
                if (board.revealed[i] != 0 && board.revealed[i] != 1)
                    return fail() << "revealed " << int{board.revealed[i]};
                if (board.revealed[i] && p != s && p != 0)
                    return fail() << "revealed cell drawn over";
                if (board.traceMarks[i] < 0) return fail() << "trace mark";
                revealedPieces += board.revealed[i] && s < 0;
            }
        }
        const bool running = state.phase == Playing && state.eventCount != 0;
        if (TimerRunning() != (state.introStart != 0 || running))
            return ::testing::AssertionFailure() << "timer " << TimerRunning();
        if (state.phase == Paused && state.eventCount == 0)
            return ::testing::AssertionFailure() << "paused before the first touch";
        if (state.phase == Playing && (state.clockStart != 0) != (state.eventCount != 0))
            return ::testing::AssertionFailure() << "clock " << state.clockStart;
        if (state.phase == Playing && static_cast<int32_t>(Now() - state.clockStart) < 0)
            return ::testing::AssertionFailure() << "clock started in the future";
        if (state.phase == Playing && state.penaltyCells != static_cast<uint32_t>(revealedPieces))
            return ::testing::AssertionFailure() << "penalty " << state.penaltyCells;
        // A pending hint outlasts a pause or the end of the game, not a new game.
        if (state.selectMode == SelectHintCell && state.clockStart == 0)
            return ::testing::AssertionFailure() << "hint awaited before the clock started";
        if (state.selectMode == SelectProposal && state.phase != Finished)
            return ::testing::AssertionFailure() << "proposal outside a finished game";
        if (TotalPlayed(settings) != counted)
            return ::testing::AssertionFailure() << "played " << TotalPlayed(settings);
        return ::testing::AssertionSuccess();
    }

    std::mt19937 rng;
    Cell last{0, 0};
    int32_t counted = 0;
};

TEST_P(RandomEvents, BoardAndGameStaySound) {
    const int events = 100000;
    for (int n = 0; n < events; ++n) {
        const GamePhase before = state.phase;
        RandomEvent();
        if (before != Finished && state.phase == Finished && state.elapsedMs != 0) ++counted;
        ASSERT_TRUE(Sound()) << "after event " << n;
    }
    // The run got somewhere: games were won or shown and counted.
    EXPECT_GT(counted, 0);
}

INSTANTIATE_TEST_SUITE_P(EachDifficulty, RandomEvents, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace velinor::test
