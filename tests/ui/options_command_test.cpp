// The Options command around its dialog: when it opens, the abort question, the main window's
// timer, a new game afterwards, the menu's language and the save.
#include <gtest/gtest.h>

#include "game/clock.h"
#include "tests/ui/options_fixture.h"

namespace velinor::test {
namespace {

using OptionsCommand = OptionsFixture;

TEST_F(OptionsCommand, DoesNothingAtAllWhilePaused) {
    TouchGrid();
    driver.Command(MenuPause);
    ASSERT_EQ(state.phase, Paused);
    driver.Command(MenuOptions);
    driver.Command(ToolOptions);
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_EQ(state.phase, Paused);
    EXPECT_NE(state.eventCount, 0u);
    EXPECT_FALSE(Stored().has_value());
}

// Without a game in progress: the board stays and the clock's timer runs again, unless the
// difficulty changed, which starts a new game without a question. Either way the menu speaks
// the chosen language and the record is saved.
TEST_F(OptionsCommand, WithoutAGameInProgressTheBoardStaysUnlessTheDifficultyChanged) {
    struct Case {
        const char* name;
        bool finishFirst;  // a game shown solved, rather than a fresh one
        int difficultyRadio;
        int16_t gridSize;
        bool timerAgain;
    };
    const Case cases[] = {
        {"fresh game, difficulty kept", false, 0, 5, true},
        {"finished game, difficulty kept", true, 0, 5, true},
        {"fresh game, medium chosen", false, RadioMedium, 8, false},
        {"finished game, hard chosen", true, RadioHard, 12, false},
    };
    for (const Case& c : cases) {
        settings.difficulty = 0;
        driver.Command(MenuNewGame);
        if (c.finishFirst) {
            TouchGrid();
            Answer(IDOK);
            driver.Command(MenuShowSolution);
            ASSERT_EQ(state.phase, Finished) << c.name;
        }
        board.player[LayerCells - 1] = -12;  // gone with a new game only
        const size_t boxes = BoxCount();
        RunOptions([&](CDialog&) {
            if (c.difficultyRadio != 0) driver.Click(c.difficultyRadio);
            driver.Click(RadioFrench);
        });
        EXPECT_EQ(BoxCount(), boxes + 1) << c.name;  // the dialog only
        EXPECT_EQ(board.gridSize, c.gridSize) << c.name;
        EXPECT_EQ(board.player[LayerCells - 1] == -12, c.timerAgain) << c.name;
        EXPECT_EQ(NextTimer(),
                  c.timerAgain ? std::optional<uint32_t>(ClockTimerPeriod) : std::nullopt)
            << c.name;
        EXPECT_EQ(frame.GetMenu()->GetSubMenu(0)->GetMenuString(0), "Nouvelle partie") << c.name;
        ASSERT_TRUE(Stored().has_value()) << c.name;
        EXPECT_EQ(Stored()->language, 1) << c.name;
        settings.language = 0;
    }
}

TEST_F(OptionsCommand, AGameInProgressAsksFirstAndDeclinedGoesOnUntouched) {
    settings.language = 1;
    TouchGrid();
    const uint32_t clockStart = state.clockStart;
    Answer(IDCANCEL);
    driver.Command(ToolOptions);
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(driver.Modals()[0].caption, "Attention");
    EXPECT_EQ(driver.Modals()[0].text, "Cela va arrêter la partie en-cours. Continuer?");
    EXPECT_EQ(driver.Modals()[0].type, MB_OKCANCEL);
    EXPECT_EQ(state.clockStart, clockStart);
    EXPECT_NE(state.eventCount, 0u);
    EXPECT_EQ(NextTimer(), std::optional<uint32_t>(ClockTimerPeriod));
    EXPECT_FALSE(Stored().has_value());
}

// Agreed to abort: the timer is stopped while the dialog is open, and closing it always starts
// a new game, even with the difficulty unchanged.
TEST_F(OptionsCommand, AnAbortedGameIsNeverTakenUpAgain) {
    TouchGrid();
    board.player[LayerCells - 1] = -12;
    Answer(IDOK);
    RunOptions([&](CDialog&) {
        EXPECT_EQ(state.eventCount, 0u);
        driver.Wait(RepaintDelay);  // the dialog's own one-shot timer goes
        EXPECT_EQ(NextTimer(), std::nullopt);
    });
    ASSERT_EQ(BoxCount(), 2u);
    EXPECT_EQ(driver.Modals()[0].caption, "Warning");
    EXPECT_EQ(driver.Modals()[0].text, "This will abort the current game. Continue?");
    EXPECT_EQ(driver.Modals()[1].templateId, OptionsDialogId);
    EXPECT_NE(board.player[LayerCells - 1], -12);
    EXPECT_EQ(state.clockStart, 0u);
    EXPECT_EQ(state.eventCount, 0u);
    EXPECT_TRUE(Stored().has_value());
}

TEST_F(OptionsCommand, EndsTheOpeningAnimationFirst) {
    frame.StartIntro();
    driver.Wait(120);
    RunOptions([&](CDialog&) { EXPECT_EQ(state.introStart, 0u); });
    EXPECT_EQ(state.introStart, 0u);
    EXPECT_EQ(NextTimer(), std::optional<uint32_t>(ClockTimerPeriod));
}

}  // namespace
}  // namespace velinor::test
