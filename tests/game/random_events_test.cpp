// Many random events no person would make: presses, moves and releases anywhere (far off the
// screen too, and straight to the handlers past the window system's clamping), double taps,
// every command in every state, waits and clock leaps, boxes answered at random. After each one
// the board keeps its encoding and the game its rules.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "game/commands.h"
#include "game/stylus.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

constexpr uint32_t Commands[] = {MenuNewGame, ToolNewGame, MenuPause,        ToolPause,
                                 MenuHint,    ToolHint,    MenuShowSolution, ToolShowSolution};

bool IsPiece(int8_t v) {
    return v == -12 || v == -13 || v == -14 || v == -23 || v == -24 || v == -34;
}

class RandomEvents : public GameFixture, public ::testing::WithParamInterface<int32_t> {
  protected:
    RandomEvents() : rng(20240611u + static_cast<uint32_t>(GetParam())) {
        Settings stored = settings;
        stored.difficulty = GetParam();
        SaveSettings(stored);
        Command(MenuNewGame);
        driver.AnswerEvery([this](CDialog&) { driver.Click(Chance(2) ? IDOK : IDCANCEL); });
        frame.validateOnly = true;
    }

    bool Chance(int in) { return rng() % static_cast<uint32_t>(in) == 0; }
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(rng); }

    // Mostly the centre of a cell next to the last one, so that strokes get drawn; sometimes
    // any cell, any client pixel, or a place far off the screen.
    Point Somewhere() {
        if (Chance(20)) return {Uniform(-100000, 100000), Uniform(-100000, 100000)};
        if (Chance(10)) return {Uniform(0, ScreenWidth - 1), Uniform(0, 293)};
        const int size = board.gridSize;
        if (Chance(5)) {
            last = {static_cast<int8_t>(Uniform(0, size - 1)),
                    static_cast<int8_t>(Uniform(0, size - 1))};
        } else if (const Cell next = Neighbour(last, Uniform(Up, Left));
                   InGrid(board, next.x, next.y)) {
            last = next;
        }
        return Centre(last);
    }

    void RandomEvent() {
        const int kind = Uniform(0, 99);
        const Point p = kind < 62 ? Somewhere() : Point{};
        if (kind < 30) {
            driver.Move(p.x, p.y);
        } else if (kind < 45) {
            driver.Press(p.x, p.y);
        } else if (kind < 57) {
            driver.Release(p.x, p.y);
        } else if (kind < 62) {
            driver.Tap(p.x, p.y);
            driver.Tap(p.x, p.y);
        } else if (kind < 70) {
            // Past the window system, which would have clamped these.
            const int x = Chance(2) ? Uniform(INT_MIN, INT_MAX) : Uniform(-50, 300);
            const int y = Chance(2) ? Uniform(INT_MIN, INT_MAX) : Uniform(-50, 350);
            void (*const handlers[])(GameContext&, int, int) = {OnLButtonDown, OnMouseMove,
                                                                OnLButtonDblClk};
            const int which = Uniform(0, 3);
            which == 3 ? OnLButtonUp(game) : handlers[which](game, x, y);
        } else if (kind < 80) {
            const uint32_t command = Commands[Uniform(0, 7)];
            // A new puzzle is slow to make: mostly once a game is over.
            const bool newGame = command == MenuNewGame || command == ToolNewGame;
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

    // The solution drawn but for one piece, so that strokes and hints finish games too.
    void NearlySolve() {
        for (int i = 0; i < LayerCells; ++i) {
            if (board.revealed[i] == 0) board.player[i] = board.solution[i];
        }
        const int size = GridExtent(board);
        const int i = CellIndex(Uniform(0, size - 1), Uniform(0, size - 1));
        if (board.solution[i] < 0 && board.revealed[i] == 0) board.player[i] = 0;
    }

    const char* CellFault(int x, int y, int size) const {
        const int i = CellIndex(x, y);
        const int8_t s = board.solution[i], p = board.player[i], r = board.revealed[i];
        if (x >= size || y >= size)
            return s || p || r || board.errorMarks[i] || board.traceMarks[i]
                       ? "written outside the grid"
                       : nullptr;
        if (s > 0 ? p != s : (p != 0 && !IsPiece(p))) return "player's value";
        if (r != 0 && r != 1) return "revealed flag";
        if (r && p != s && p != 0) return "revealed cell drawn over";
        if (board.traceMarks[i] < 0) return "trace mark";
        return nullptr;
    }

    // The first rule of the board or the game found broken, or nothing.
    std::string Fault() {
        const int size = GridExtent(board);
        if (size != 5 && size != 8 && size != 12) return "grid size";
        uint32_t revealedPieces = 0;
        for (int x = 0; x < MaxGridSize; ++x) {
            for (int y = 0; y < MaxGridSize; ++y) {
                if (const char* fault = CellFault(x, y, size))
                    return "cell " + std::to_string(x) + "," + std::to_string(y) + ": " + fault;
                revealedPieces +=
                    board.revealed[CellIndex(x, y)] && board.solution[CellIndex(x, y)] < 0;
            }
        }
        const bool running = state.phase == Playing && state.eventCount != 0;
        if (TimerRunning() != (state.introStart != 0 || running)) return "timer";
        if (state.phase == Paused && state.eventCount == 0) return "paused before the first touch";
        if (state.phase == Playing) {
            if ((state.clockStart != 0) != running) return "clock start";
            if (static_cast<int32_t>(Now() - state.clockStart) < 0) return "clock in the future";
            if (state.penaltyCells != revealedPieces) return "penalty";
        }
        // A pending hint outlasts a pause or the end of the game, not a new game.
        if (state.selectMode == SelectHintCell && state.clockStart == 0) return "early hint";
        if (state.selectMode == SelectProposal && state.phase != Finished) return "proposal";
        int32_t played = 0;
        for (const auto& perPlayer : settings.stats) {
            for (const PlayerStats& stats : perPlayer)
                played += stats.totalplay;
        }
        if (played != counted) return "games counted";
        return "";
    }

    std::mt19937 rng;
    Cell last{0, 0};
    int32_t counted = 0;
};

TEST_P(RandomEvents, BoardAndGameStaySound) {
    for (int n = 0; n < 100000; ++n) {
        const GamePhase before = state.phase;
        RandomEvent();
        if (before != Finished && state.phase == Finished && state.elapsedMs != 0) ++counted;
        ASSERT_EQ(Fault(), "") << "after event " << n;
    }
    EXPECT_GT(counted, 0);  // the run got somewhere: games were won or shown and counted
}

INSTANTIATE_TEST_SUITE_P(EachDifficulty, RandomEvents, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace velinor::test
