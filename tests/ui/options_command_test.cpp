// The Options command around its dialog: when it opens, the abort question, the main window's
// timer, the board kept or a new game, the menu's language and the save.
#include <gtest/gtest.h>

#include "tests/ui/options_fixture.h"

namespace velinor::test {
namespace {

using OptionsCommand = OptionsFixture;
constexpr std::optional<uint32_t> ClockDue = ClockTimerPeriod;

TEST_F(OptionsCommand, DoesNothingAtAllWhilePaused) {
    TouchGrid();
    driver.Command(MenuPause);
    driver.Command(MenuOptions);
    driver.Command(ToolOptions);
    EXPECT_TRUE(driver.Modals().empty());
    EXPECT_EQ(state.phase, Paused);
    EXPECT_FALSE(Stored());
}

// Without a game in progress the board stays and the clock's timer runs again, unless the
// difficulty changed: then a new game starts without a question. The menu and the saved record
// follow the language either way.
TEST_F(OptionsCommand, WithoutAGameInProgressTheBoardStaysUnlessTheDifficultyChanged) {
    struct Case {
        bool finished;  // a game shown solved, else a fresh one
        int radio;      // the difficulty chosen, 0 for none
        int16_t gridSize;
        bool kept;
    };
    for (const Case& c : {Case{false, 0, 5, true}, Case{true, 0, 5, true},
                          Case{false, RadioMedium, 8, false}, Case{true, RadioEasy, 5, false}}) {
        if (c.finished) {
            TouchGrid();
            Answer(IDOK);
            driver.Command(MenuShowSolution);
        }
        board.player[LayerCells - 1] = -12;  // gone with a new game only
        const size_t boxes = driver.Modals().size();
        RunOptions([&](CDialog&) {
            if (c.radio != 0) driver.Click(c.radio);
            driver.Click(RadioFrench);
        });
        EXPECT_EQ(driver.Modals().size(), boxes + 1);  // the dialog, no question
        EXPECT_EQ(board.gridSize, c.gridSize);
        EXPECT_EQ(board.player[LayerCells - 1] == -12, c.kept) << c.radio;
        EXPECT_EQ(NextTimer(), c.kept ? ClockDue : std::nullopt) << c.radio;
        EXPECT_EQ(frame.GetMenu()->GetSubMenu(0)->GetMenuString(0), "Nouvelle partie");
        EXPECT_EQ(Stored()->language, 1);
        settings.language = 0;
    }
}

TEST_F(OptionsCommand, AGameInProgressAsksFirstAndDeclinedGoesOnUntouched) {
    settings.language = 1;
    TouchGrid();
    const GameState before = state;
    Answer(IDCANCEL);
    driver.Command(ToolOptions);
    ASSERT_EQ(driver.Modals().size(), 1u);
    EXPECT_EQ(driver.Modals()[0].caption, "Attention");
    EXPECT_EQ(driver.Modals()[0].text, "Cela va arrêter la partie en-cours. Continuer?");
    EXPECT_EQ(driver.Modals()[0].type, MB_OKCANCEL);
    EXPECT_EQ(state.clockStart, before.clockStart);
    EXPECT_EQ(state.eventCount, before.eventCount);
    EXPECT_EQ(NextTimer(), ClockDue);
    EXPECT_FALSE(Stored());
}

// Agreed to abort: the timer stops while the dialog is open, and closing it always starts a new
// game, even with the difficulty unchanged.
TEST_F(OptionsCommand, AnAbortedGameIsNeverTakenUpAgain) {
    TouchGrid();
    board.player[LayerCells - 1] = -12;
    Answer(IDOK);
    RunOptions([&](CDialog&) {
        driver.Wait(RepaintDelay);  // the dialog's own one-shot timer
        EXPECT_EQ(NextTimer(), std::nullopt);
        EXPECT_EQ(state.eventCount, 0u);
    });
    ASSERT_EQ(driver.Modals().size(), 2u);
    EXPECT_EQ(driver.Modals()[0].text, "This will abort the current game. Continue?");
    EXPECT_EQ(driver.Modals()[0].caption, "Warning");
    EXPECT_EQ(driver.Modals()[1].templateId, OptionsDialogId);
    EXPECT_NE(board.player[LayerCells - 1], -12);
    EXPECT_EQ(state.clockStart, 0u);
    EXPECT_TRUE(Stored());
}

TEST_F(OptionsCommand, EndsTheOpeningAnimationFirst) {
    frame.StartIntro();
    RunOptions([&](CDialog&) { EXPECT_EQ(state.introStart, 0u); });
    EXPECT_EQ(NextTimer(), ClockDue);
}

}  // namespace
}  // namespace velinor::test
