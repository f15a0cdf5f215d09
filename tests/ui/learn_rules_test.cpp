// Learn rules: refused while paused, asked before a game in progress is abandoned, then the
// rules and the 5 x 5 example with the line of symbol 1 left to draw, which counts for nothing.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/ui/rules_fixture.h"
#include "ui/rules_dialog.h"

namespace velinor::test {
namespace {

// The example's lines: 1 round column 0, 2 through column 1, 3 round the right-hand side.
const Layer Example = LayerFromRows({
    "┌ 1 2 ┌ ┐",  //
    "│ ┌ ┘ │ │",  //
    "│ │ 3 ┘ │",  //
    "│ └ ─ 2 │",  //
    "└ 1 3 ─ ┘",  //
});

class LearnRules : public RulesFixture {
  protected:
    auto Take() {
        return std::tuple(board.gridSize, board.solution, board.player, board.errorMarks,
                          state.phase, state.exampleMode, state.eventCount, state.clockStart,
                          state.penaltyCells, state.selectMode, state.current, TimerRunning());
    }
};

TEST_F(LearnRules, RefusedWhilePausedAndDeclinedOnCancel) {
    Tap({0, 0});
    Command(MenuPause);
    const auto paused = Take();
    Command(MenuLearnRules);
    EXPECT_EQ(Take(), paused);
    EXPECT_EQ(BoxCount(), 0u);
    driver.Tap(5, 5);  // resumes
    const auto playing = Take();
    Answer(IDCANCEL);
    Command(ToolLearnRules);
    EXPECT_EQ(LastBox(), "Warning: This will abort the current game. Continue?");
    EXPECT_EQ(BoxCount(), 1u);
    EXPECT_EQ(Take(), playing);
}

TEST_F(LearnRules, AbandonsTheGameForTheRulesThenTheExample) {
    settings.lineOK = RGB(1, 2, 3);  // kept by the save before the rules
    Tap({0, 0});  // a game in progress, a line revealed and another hint awaited
    Command(MenuHint);
    Tap({2, 2});
    Command(MenuHint);
    Answer(IDOK);
    driver.AnswerNext([&](CDialog&) {
        frame.paints.clear();
        driver.Key(VK_ESCAPE);
    });
    Command(MenuLearnRules);
    EXPECT_EQ(driver.Modals().back().templateId, RulesDialogId);

    EXPECT_EQ(board.solution, Example);
    for (int i = 0; i < LayerCells; ++i) {
        const bool lineOfOne = i < 5 || i == CellIndex(1, 0) || i == CellIndex(1, 4);
        EXPECT_EQ(board.player[i], i < 5 ? 0 : Example[i]) << i;
        // The check marks that unfinished line: its empty column and both endpoints.
        EXPECT_EQ(board.errorMarks[i] != 0, lineOfOne) << i;
        EXPECT_EQ(board.revealed[i], 0) << i;
    }
    EXPECT_EQ(Point(board.originX, board.originY), Point(70, 100));
    EXPECT_EQ(std::tuple(state.phase, state.exampleMode, state.eventCount, state.clockStart,
                         state.elapsedMs, state.penaltyCells, state.endCheck, state.selectMode,
                         state.current, state.previous, TimerRunning()),
              std::tuple(Playing, uint16_t{1}, 0u, 0u, 0, 0u, int16_t{-1}, SelectNone, NoCell,
                         NoCell, false));
    ASSERT_FALSE(frame.paints.empty());  // the example painted whole at once
    EXPECT_EQ(frame.paints.back().mode, RedrawFull);
    EXPECT_EQ(frame.paints.back().area, (Rect{0, 0, 240, 294}));
    Settings stored;
    LoadSettings(stored);
    EXPECT_EQ(stored.lineOK, settings.lineOK);
}

TEST_F(LearnRules, DrawingTheLastLineSolvesTheExampleAndCountsNothing) {
    frame.StartIntro();
    Command(ToolLearnRules);  // the rules closed as their close box would
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_FALSE(TimerRunning());
    Settings stored;
    LoadSettings(stored);
    const Settings before = settings;

    Tap({2, 2});  // the clock runs, unseen
    EXPECT_EQ(state.clockStart, Now());
    EXPECT_EQ(state.exampleMode, 1);
    driver.Wait(3000);
    Drag({{1, 0}, {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}});
    EXPECT_EQ(board.player, Example);
    // Solved as generated, without penalty: the "Perfect!" banner's conditions.
    EXPECT_EQ(std::tuple(state.phase, state.endCheck, state.penaltyCells),
              std::tuple(Finished, int16_t{0}, 0u));
    EXPECT_EQ(BoxCount(), 1u);  // the rules only: no best time
    EXPECT_EQ(settings, before);
    Settings after;
    LoadSettings(after);
    EXPECT_EQ(after, stored);
}

}  // namespace
}  // namespace velinor::test
