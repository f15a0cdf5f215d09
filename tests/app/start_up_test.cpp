// Start-up: the titled window with its command bar, the first game, the opening animation on
// its 60 ms timer, the stored settings applied; shut-down releases the offscreen buffer.
#include <gtest/gtest.h>

#include "core/trace.h"
#include "platform/window/window_system.h"
#include "tests/app/program_fixture.h"

namespace velinor::test {
namespace {

TEST_F(ProgramTest, StartsTitledWithTheFirstGameAndTheOpeningAnimation) {
    Start();
    EXPECT_EQ(driver.Title(), "Velinor");
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_TRUE(frame->commandBar.IsWindowVisible());
    // The buffer has the client area's size: the screen below the 26-pixel command bar.
    EXPECT_TRUE(frame->offscreen.created);
    EXPECT_EQ(std::pair(frame->offscreen.width, frame->offscreen.height), std::pair(240, 294));

    EXPECT_EQ(frame->board.gridSize, 5);
    EXPECT_EQ(CheckLayer(frame->board, LayerSolution), 0);
    EXPECT_EQ(frame->state.eventCount, 0u);
    EXPECT_EQ(BoxCount(), 0u) << "nothing played yet: no question";

    EXPECT_EQ(frame->state.introStart, FirstTick);
    // The first paint drew nothing and asked again at once; the second set the animation up.
    EXPECT_EQ(frame->state.introFrame, 2);
    EXPECT_EQ(frame->state.timerId, MainTimerId);
    EXPECT_EQ(driver.System().Timers().PeriodOf({frame, MainTimerId}), 60u);
    // Up to 5 s, then the timer's next tick ends it.
    driver.Wait(5000);
    EXPECT_NE(frame->state.introStart, 0u);
    driver.Wait(60);
    EXPECT_EQ(frame->state.introStart, 0u);
    EXPECT_FALSE(TimerRunning());

    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"New Game", "Pause", "Hint", "Show solution",
                                                     "Learn rules", "Options", "About", "Exit"}));
    EXPECT_TRUE(ReadValues(SettingsKeyPath).empty()) << "start-up saves nothing";
}

TEST_F(ProgramTest, TheStoredLanguageRelabelsTheMenuFromTheStart) {
    StoreDword("langue", 1);
    Start();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"Nouvelle partie", "Pause", "Suggestion",
                                                     "Donner la solution", "Apprentissage",
                                                     "Options", "A propos", "Quitter"}));
    EXPECT_EQ(MenuIds(), std::vector<uint32_t>(MenuCommands.begin(), MenuCommands.end()));
}

// Start-up clamps a stored difficulty, but the first game reloads the record and takes the
// stored value as it is: any value but 1 and 2 makes a 5 x 5 grid.
TEST_F(ProgramTest, TheFirstGameHasTheStoredDifficultysGrid) {
    for (auto [stored, grid] : {std::pair{2, 12}, {7, 5}, {-3, 5}}) {
        if (app.GetMainWnd() != nullptr) app.EndInstance();
        StoreDword("size", stored);
        Start();
        EXPECT_EQ(frame->board.gridSize, grid) << stored;
        EXPECT_EQ(frame->settings.difficulty, stored);
    }
}

TEST_F(ProgramTest, ExitInstanceReleasesTheBufferAndGivesTheExitCode) {
    Start();
    PostQuitMessage(3);
    EXPECT_EQ(app.ExitInstance(), 3);
    EXPECT_FALSE(frame->offscreen.created);
}

}  // namespace
}  // namespace velinor::test
