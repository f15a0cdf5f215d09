// A game through its states: fresh, running, hint awaited, paused, finished; the commands each
// state takes or refuses, the clock and its timer, the abort question and closing.
#include <gtest/gtest.h>

#include "game/clock.h"
#include "game/new_game.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

class GameFlow : public GameFixture {
  protected:
    GameFlow() { LoadPuzzle(FourLines); }

    // Running: one press on an endpoint starts the clock.
    void StartClock() { Tap({0, 0}); }

    // What a refused or declined command must leave alone.
    struct Snapshot {
        GamePhase phase;
        uint32_t clockStart, eventCount, penaltyCells;
        SelectMode selectMode;
        Layer player, solution;
        bool timer;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot Take() {
        return {state.phase,      state.clockStart, state.eventCount, state.penaltyCells,
                state.selectMode, board.player,     board.solution,   TimerRunning()};
    }
};

TEST_F(GameFlow, NewGameSetsUpAFreshPuzzleOfTheStoredDifficulty) {
    struct Case {
        int32_t difficulty;
        int16_t gridSize, originX, originY;
    };
    for (const Case& c : {Case{0, 5, 70, 100}, Case{1, 8, 40, 70}, Case{2, 12, 0, 30},
                          Case{7, 5, 70, 100}, Case{-1, 5, 70, 100}}) {
        SCOPED_TRACE(c.difficulty);
        Settings stored = settings;
        stored.difficulty = c.difficulty;
        SaveSettings(stored);
        Command(40005);
        EXPECT_EQ(settings.difficulty, c.difficulty);  // reloaded, taken as it stands
        EXPECT_EQ(board.gridSize, c.gridSize);
        EXPECT_EQ(board.originX, c.originX);
        EXPECT_EQ(board.originY, c.originY);
        EXPECT_EQ(CheckLayer(board, LayerSolution), 0);
        for (int i = 0; i < LayerCells; ++i)
            ASSERT_EQ(board.player[i], board.solution[i] > 0 ? board.solution[i] : 0) << i;
        EXPECT_EQ(state.phase, Playing);
        EXPECT_EQ(state.clockStart, 0u);
        EXPECT_EQ(state.endCheck, -1);
        EXPECT_FALSE(TimerRunning());
    }
    EXPECT_EQ(BoxCount(), 0u);
}

TEST_F(GameFlow, NewGameClearsWhatTheLastGameLeft) {
    StartClock();
    Command(40013);
    Tap({2, 0});
    Command(40005);  // asks; the driver's default answer to OK and Cancel is Cancel
    EXPECT_EQ(state.penaltyCells, 4u);
    Answer(IDOK);
    Command(40011);
    EXPECT_EQ(BoxCount(), 3u);
    EXPECT_EQ(state.penaltyCells, 0u);
    EXPECT_EQ(state.eventCount, 0u);
    EXPECT_EQ(state.clockStart, 0u);
    EXPECT_EQ(state.current, NoCell);
    EXPECT_EQ(board.revealed, Layer{});
    EXPECT_FALSE(TimerRunning());
}

TEST_F(GameFlow, FreshGameRefusesHintPauseAndShowSolution) {
    const Snapshot before = Take();
    for (uint32_t command : {40013u, 40014u, 40015u, 40012u, 40007u, 40016u}) {
        Command(command);
        EXPECT_EQ(Take(), before) << command;
    }
    EXPECT_EQ(BoxCount(), 0u);
}

TEST_F(GameFlow, FirstTouchOfTheGridStartsTheClock) {
    driver.Tap(5, 5);  // off the grid: not counted
    EXPECT_EQ(state.clockStart, 0u);
    EXPECT_FALSE(TimerRunning());
    driver.Wait(1000);
    Tap({0, 0});  // an endpoint: nothing drawn, but the clock starts
    EXPECT_EQ(state.clockStart, Now());
    EXPECT_EQ(state.eventCount, 1u);
    EXPECT_EQ(TimerDueIn(), ClockTimerPeriod);
    // Each tick repaints the status band at once.
    frame.paints.clear();
    driver.Wait(1000);
    EXPECT_EQ(frame.PaintModes(), std::vector<RedrawMode>(10, RedrawStatus));
    EXPECT_EQ(state.clockEnd - state.clockStart, 1000u);
}

TEST_F(GameFlow, PauseStopsTheClockAndRefusesEverythingButAPress) {
    StartClock();
    driver.Wait(10000);
    Command(40015);
    EXPECT_EQ(state.phase, Paused);
    EXPECT_EQ(state.pauseStart, Now());
    EXPECT_EQ(state.redrawMode, RedrawFull);
    EXPECT_FALSE(TimerRunning());

    const Snapshot paused = Take();
    for (uint32_t command : {40005u, 40011u, 40013u, 40014u, 40007u, 40016u, 40015u, 40012u}) {
        Command(command);
        EXPECT_EQ(Take(), paused) << command;
    }
    driver.Close();
    Command(40001);
    EXPECT_TRUE(frame.HasWindow());
    EXPECT_EQ(Take(), paused);
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_EQ(ConfirmAbort(game), AbortRefusedPaused);

    frame.paints.clear();
    driver.Wait(30000);
    EXPECT_TRUE(frame.paints.empty());  // the timer redraws nothing while paused

    // The press that resumes draws nothing and is not counted, wherever it lands.
    Press({1, 1});
    Move({2, 1});
    EXPECT_EQ(state.phase, Playing);
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(state.eventCount, paused.eventCount + 1);  // the move counts
    EXPECT_EQ(Now() - state.clockStart, 10000u);         // the pause does not count
}

TEST_F(GameFlow, ClockLeavesOutEveryPause) {
    StartClock();
    const uint32_t runs[] = {4000, 2500, 700};
    const uint32_t pauses[] = {30000, 100, 65000};
    for (int i = 0; i < 3; ++i) {
        driver.Wait(runs[i]);
        Command(40012);
        driver.Wait(pauses[i]);
        driver.Tap(230, 280);  // anywhere in the client area resumes
    }
    driver.Wait(100);
    EXPECT_EQ(state.clockEnd - state.clockStart, 4000u + 2500 + 700 + 100);
}

TEST_F(GameFlow, HintAwaitsATapOnTheGrid) {
    StartClock();
    Command(40014);
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(LastBox().caption, "Info");
    EXPECT_EQ(LastBox().text, "One line will be revealed, and 15 seconds penalty per segment");
    EXPECT_EQ(LastBox().type, MB_OK);
    EXPECT_EQ(state.selectMode, SelectHintCell);
    EXPECT_EQ(state.redrawMode, RedrawFull);

    // A tap outside the grid cancels it without cost.
    driver.Tap(5, 290);
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(state.penaltyCells, 0u);

    // English in French too.
    settings.language = 1;
    Command(40013);
    EXPECT_EQ(LastBox().caption, "Info");

    // A tap on a cell reveals its whole line, highlighted until the release.
    Press({3, 2});
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(state.penaltyCells, 6u);
    for (Cell c : {Cell{0, 1}, Cell{1, 1}, Cell{2, 1}, Cell{3, 1}, Cell{3, 2}, Cell{2, 2},
                   Cell{1, 2}, Cell{1, 3}}) {
        EXPECT_EQ(At(board.revealed, c.x, c.y), 1);
        EXPECT_EQ(PlayerAt(c.x, c.y), At(board.solution, c.x, c.y));
        EXPECT_NE(At(board.traceMarks, c.x, c.y), 0);
    }
    EXPECT_EQ(CountDifferingCells(board), 4 + 4 + 3);
    Release({3, 2});
    EXPECT_EQ(board.traceMarks, Layer{});

    // A hint tapped on a revealed cell is used up and reveals nothing.
    Command(40013);
    Tap({1, 2});
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(state.penaltyCells, 6u);
}

TEST_F(GameFlow, ShowSolutionAsksBeforeEndingAnUnsolvedGame) {
    StartClock();
    driver.Wait(5000);
    const Snapshot running = Take();
    Command(40007);  // declined
    EXPECT_EQ(LastBox().caption, "Warning");
    EXPECT_EQ(LastBox().text, "This will abort the current game. Continue?");
    EXPECT_EQ(LastBox().type, MB_OKCANCEL);
    EXPECT_EQ(state.phase, Playing);
    EXPECT_EQ(state.clockStart, running.clockStart);
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(state.endCheck, 1);

    Answer(IDOK);
    Command(40016);
    EXPECT_EQ(state.phase, Finished);
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(state.clockEnd, Now());
    EXPECT_EQ(state.redrawMode, RedrawFull);

    // Nothing more is taken but New Game, which asks nothing now.
    const Snapshot finished = Take();
    const size_t boxes = BoxCount();
    for (uint32_t command : {40013u, 40014u, 40015u, 40012u, 40007u, 40016u}) {
        Command(command);
        EXPECT_EQ(Take(), finished) << command;
    }
    Command(40005);
    EXPECT_EQ(BoxCount(), boxes);
    EXPECT_EQ(state.phase, Playing);
}

TEST_F(GameFlow, DeclinedAbortLeavesGameClockAndTimerAsTheyWere) {
    StartClock();
    Drag({{0, 1}, {1, 1}, {2, 1}});
    driver.Wait(2500);
    const Snapshot running = Take();
    for (uint32_t command : {40005u, 40011u}) {
        Command(command);
        EXPECT_EQ(LastBox().caption, "Warning");
        EXPECT_EQ(Take(), running) << command;
    }
    driver.Close();
    EXPECT_EQ(BoxCount(), 3u);
    EXPECT_TRUE(frame.HasWindow());
    EXPECT_EQ(Take(), running);
    // The clock went on meanwhile.
    driver.Wait(100);
    EXPECT_EQ(state.clockEnd - state.clockStart, 2600u);
}

TEST_F(GameFlow, AbortQuestionInFrenchEndsInABlank) {
    settings.language = 1;
    StartClock();
    Command(40005);
    EXPECT_EQ(LastBox().caption, "Attention");
    EXPECT_EQ(LastBox().text, "Cela va arrêter la partie en-cours. Continuer? ");
    Command(40007);
    EXPECT_EQ(LastBox().caption, "Attention");
    EXPECT_EQ(LastBox().text, "Cela va arrêter la partie en-cours. Continuer? ");
}

TEST_F(GameFlow, CloseAsksOnlyWhileAGameRuns) {
    driver.Close();  // fresh: closes without a question
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_FALSE(frame.HasWindow());
}

TEST_F(GameFlow, CloseOfARunningGameClosesOnOk) {
    StartClock();
    Command(40001);  // Exit goes through the close request
    EXPECT_EQ(BoxCount(), 1u);
    EXPECT_TRUE(frame.HasWindow());
    Answer(IDOK);
    driver.Close();
    EXPECT_FALSE(frame.HasWindow());
}

TEST_F(GameFlow, OpeningAnimationRepaintsItsAreasUntilItEnds) {
    const Rect client{0, 0, ScreenWidth, ScreenHeight - CommandBarHeight};
    const Rect animAndCaption{0, 80, 240, 220};
    frame.StartIntro();
    frame.paints.clear();
    // Painting moves the frame counter on; here the test does.
    struct Tick {
        int16_t introFrame;
        uint16_t captionPending;
        Rect area;
    };
    for (const Tick& tick : {Tick{0, 0, client}, Tick{1, 0, client}, Tick{2, 0, AnimRect},
                             Tick{42, 1, animAndCaption}, Tick{43, 0, AnimRect}}) {
        state.introFrame = tick.introFrame;
        state.captionPending = tick.captionPending;
        driver.Wait(IntroTimerPeriod);
        ASSERT_FALSE(frame.paints.empty());
        EXPECT_EQ(frame.paints.back().area, tick.area) << tick.introFrame;
    }
    EXPECT_EQ(frame.paints.size(), 5u);
    // At 5000 ms the last frame; the next tick ends the animation and repaints the game.
    driver.Wait(IntroLength - 5 * IntroTimerPeriod);
    EXPECT_NE(state.introStart, 0u);
    driver.Wait(IntroTimerPeriod);
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(frame.paints.back().area, client);
    EXPECT_FALSE(TimerRunning());
    // Once it is over the timer is gone and nothing more is painted while the game is fresh.
    const size_t paints = frame.paints.size();
    driver.Wait(1000);
    EXPECT_EQ(frame.paints.size(), paints);
}

TEST_F(GameFlow, PressDuringTheAnimationOnlyEndsIt) {
    frame.StartIntro();
    driver.Wait(600);
    const Layer player = board.player;
    Press({0, 1});
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(state.eventCount, 0u);
    EXPECT_EQ(state.clockStart, 0u);
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(state.current, (Cell{0, 1}));
    EXPECT_EQ(state.previous, NoCell);
    // The moves after it are the game's, going on from the pressed cell.
    Move({1, 1});
    Move({2, 1});
    EXPECT_EQ(state.eventCount, 2u);
    EXPECT_TRUE(TimerRunning());
    EXPECT_EQ(PlayerAt(1, 1), -24);
    EXPECT_EQ(PlayerAt(0, 1), player[CellIndex(0, 1)]);
}

TEST_F(GameFlow, DoubleTapDuringTheAnimationOnlyEndsIt) {
    board.player[CellIndex(1, 0)] = -24;  // a piece a double tap would erase
    frame.StartIntro();
    Tap({1, 0});
    frame.StartIntro();
    Press({1, 0});  // the second press of a double tap on the current cell
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(state.tapLatch, 0);
    EXPECT_EQ(state.current, (Cell{1, 0}));
    EXPECT_EQ(PlayerAt(1, 0), -24);
    EXPECT_EQ(state.eventCount, 0u);
}

TEST_F(GameFlow, EndingTheAnimationLeavesTheClockTimerAlone) {
    StartClock();
    EndIntro(game);
    EXPECT_TRUE(TimerRunning());
    Command(40013);  // Hint ends the animation first; nothing to end here
    EXPECT_TRUE(TimerRunning());
}

}  // namespace
}  // namespace velinor::test
