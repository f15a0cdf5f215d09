// Learn rules from the menu and the toolbar: refused while paused, asked before a game in
// progress is abandoned, the rules in the current language, then the 5 x 5 example with the line
// of symbol 1 left to draw, which solves it and counts for nothing.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/ui/rules_fixture.h"

namespace velinor::test {
namespace {

// The example's three lines as drawn: 1 round column 0, 2 through column 1, 3 round the right.
const Layer ExampleSolution = LayerFromRows({
    "┌ 1 2 ┌ ┐",  //
    "│ ┌ ┘ │ │",  //
    "│ │ 3 ┘ │",  //
    "│ └ ─ 2 │",  //
    "└ 1 3 ─ ┘",  //
});
const Layer ExamplePlayer = LayerFromRows({
    ". 1 2 ┌ ┐",  //
    ". ┌ ┘ │ │",  //
    ". │ 3 ┘ │",  //
    ". └ ─ 2 │",  //
    ". 1 3 ─ ┘",  //
});
// The board check marks the unfinished line of symbol 1: its empty column and both endpoints.
const Layer ExampleFaults = LayerFromRows({
    "1 1 . . .",  //
    "1 . . . .",  //
    "1 . . . .",  //
    "1 . . . .",  //
    "1 1 . . .",  //
});

class LearnRules : public RulesFixture {
  protected:
    auto Take() {
        return std::tuple(board.gridSize, board.originX, board.originY, board.solution,
                          board.player, board.errorMarks, board.revealed, board.traceMarks,
                          state.phase, state.exampleMode, state.eventCount, state.clockStart,
                          state.clockEnd, state.elapsedMs, state.penaltyCells, state.selectMode,
                          state.endCheck, state.redrawMode, state.current, state.previous,
                          TimerRunning());
    }
    Layer Faults() const {
        Layer faults{};
        for (int i = 0; i < LayerCells; ++i)
            faults[i] = board.errorMarks[i] != 0;
        return faults;
    }
};

TEST_F(LearnRules, RefusedWhilePausedAndDeclinedOnCancel) {
    Tap({0, 0});  // the game is in progress
    Command(MenuPause);
    ASSERT_EQ(state.phase, Paused);
    auto before = Take();
    for (uint32_t command : {MenuLearnRules, ToolLearnRules}) {
        Command(command);
        EXPECT_EQ(Take(), before) << command;
    }
    EXPECT_EQ(BoxCount(), 0u);

    driver.Tap(5, 5);  // a press resumes the game
    ASSERT_EQ(state.phase, Playing);
    before = Take();
    for (uint32_t command : {MenuLearnRules, ToolLearnRules}) {
        Answer(IDCANCEL);
        Command(command);
        EXPECT_EQ(LastBox(), "Warning: This will abort the current game. Continue?");
        EXPECT_EQ(Take(), before) << command;
    }
    EXPECT_EQ(BoxCount(), 2u);  // the questions only, no rules
}

TEST_F(LearnRules, MenuAndToolbarShowTheRulesThenTheExampleAlike) {
    struct Case {
        uint32_t command;
        int32_t language;
        uint32_t closing;  // the key that closes the rules
        const char* opening;
    };
    const Case cases[] = {
        {MenuLearnRules, 0, VK_RETURN, "Link the symbols.\r\n"},
        {ToolLearnRules, 0, VK_RETURN, "Link the symbols.\r\n"},
        {MenuLearnRules, 1, VK_ESCAPE, "Reliez les symboles identiques.\r\n"},
        {ToolLearnRules, 1, VK_ESCAPE, "Reliez les symboles identiques.\r\n"},
    };
    std::vector<decltype(Take())> outcomes;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " in language " << c.language);
        Command(MenuNewGame);
        settings.language = c.language;
        settings.lineOK = RGB(1, 2, c.language);  // what only the save at the start keeps
        // A game in progress with a revealed line and a hint awaited.
        Tap({0, 0});
        Command(MenuHint);
        Tap({2, 2});
        Command(MenuHint);
        ASSERT_EQ(state.selectMode, SelectHintCell);
        ASSERT_GT(state.penaltyCells, 0u);

        const size_t boxes = BoxCount();
        Answer(IDOK);
        std::string caption, title, text;
        driver.AnswerNext([&](CDialog& dialog) {
            caption = driver.Modals().back().caption;
            title = dialog.GetDlgItemText(1011);
            text = dialog.GetDlgItemText(1010);
            EXPECT_EQ(board.gridSize, 5);  // the example comes after the rules
            EXPECT_NE(board.solution, ExampleSolution);
            frame.paints.clear();
            driver.Key(c.closing);
        });
        Command(c.command);
        ASSERT_EQ(BoxCount(), boxes + 2);  // the question, then the rules
        EXPECT_EQ(driver.Modals().back().templateId, 105u);
        EXPECT_EQ(caption, "Dialog");
        EXPECT_EQ(title, "Velinor");
        EXPECT_EQ(text.rfind(c.opening, 0), 0u) << text;

        EXPECT_EQ(board.gridSize, 5);
        EXPECT_EQ(Point(board.originX, board.originY), Point(70, 100));
        EXPECT_EQ(board.solution, ExampleSolution);
        EXPECT_EQ(board.player, ExamplePlayer);
        EXPECT_EQ(Faults(), ExampleFaults);
        EXPECT_EQ(board.revealed, Layer{});
        // (clockEnd is the repaint's reading of the clock.)
        EXPECT_EQ(std::tuple(state.phase, state.exampleMode, state.eventCount, state.clockStart,
                             state.elapsedMs, state.penaltyCells, state.endCheck),
                  std::tuple(Playing, uint16_t{1}, 0u, 0u, 0, 0u, int16_t{-1}));
        EXPECT_EQ(state.current, NoCell);
        EXPECT_EQ(state.previous, NoCell);
        // The hint awaited is gone, and the example is painted whole at once.
        EXPECT_EQ(state.selectMode, SelectNone);
        ASSERT_FALSE(frame.paints.empty());
        EXPECT_EQ(frame.paints.back().mode, RedrawFull);
        EXPECT_EQ(frame.paints.back().area, (Rect{0, 0, 240, 294}));
        EXPECT_FALSE(TimerRunning());
        Settings stored;
        LoadSettings(stored);
        EXPECT_EQ(stored.lineOK, RGB(1, 2, c.language));
        outcomes.push_back(Take());
    }
    EXPECT_EQ(outcomes[1], outcomes[0]) << "the toolbar does what the menu does";
    EXPECT_EQ(outcomes[3], outcomes[2]);
}

TEST_F(LearnRules, DrawingTheLastLineSolvesTheExampleAndCountsNothing) {
    frame.StartIntro();
    Command(ToolLearnRules);  // the rules, closed as their close box would
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

    EXPECT_EQ(board.player, ExampleSolution);
    EXPECT_EQ(Faults(), Layer{});
    // Solved as generated, without penalty: the conditions of the "Perfect!" banner.
    EXPECT_EQ(state.phase, Finished);
    EXPECT_EQ(state.endCheck, 0);
    EXPECT_EQ(state.penaltyCells, 0u);
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(BoxCount(), 1u);  // the rules only: no best time
    EXPECT_EQ(settings, before);
    Settings after;
    LoadSettings(after);
    EXPECT_EQ(after, stored);
}

}  // namespace
}  // namespace velinor::test
