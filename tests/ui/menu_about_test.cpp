// The menu in either language and About: texts relabelled by position with their commands
// kept, and the About box whose caption alone follows the language.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "tests/app/program_fixture.h"
#include "ui/about.h"
#include "ui/menu_language.h"

namespace velinor::test {
namespace {

using Texts = std::vector<std::string>;

const Texts English = {"New Game",    "Pause",   "Hint",  "Show solution",
                       "Learn rules", "Options", "About", "Exit"};
const Texts French = {"Nouvelle partie", "Pause",   "Suggestion", "Donner la solution",
                      "Apprentissage",   "Options", "A propos",   "Quitter"};

TEST_F(ProgramTest, TheMenuFollowsTheLanguageBackAndForthKeepingItsCommands) {
    Start();
    const std::vector<uint32_t> ids(MenuCommands.begin(), MenuCommands.end());
    for (auto [language, texts] :
         {std::pair{1, &French}, {0, &English}, {2, &French}, {-1, &French}, {0, &English}}) {
        frame->settings.language = language;
        ApplyMenuLanguage(frame->context);
        EXPECT_EQ(MenuTexts(), *texts) << language;
        EXPECT_EQ(MenuIds(), ids) << language;
    }
}

TEST_F(ProgramTest, ARelabelledItemStillSendsItsCommand) {
    Start();
    frame->settings.language = 1;
    ApplyMenuLanguage(frame->context);
    // The bar lies above the client area: screen y is client y + 26.
    const Rect button = frame->commandBar.MenuButtonRect();
    driver.Tap(button.left + 5, button.top + 5 - CommandBarHeight);
    ASSERT_TRUE(frame->commandBar.IsMenuOpen());
    const Rect about = frame->commandBar.MenuItemRect(6);
    driver.Tap(about.left + 5, about.top + 5 - CommandBarHeight);
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(LastBox().caption, "A propos");
}

TEST_F(ProgramTest, AboutShowsNameAndVersionWithTheCaptionOfLanguageOneOnly) {
    Start();
    const Board board = frame->board;
    std::string english;
    for (auto [language, caption] :
         {std::pair{0, "About"}, {1, "A propos"}, {2, "About"}, {-1, "About"}}) {
        frame->settings.language = language;
        driver.Command(MenuAbout);
        EXPECT_EQ(LastBox().caption, caption) << language;
        EXPECT_EQ(LastBox().type, MB_OK);
        const std::string& text = LastBox().text;
        if (english.empty()) english = text;
        EXPECT_EQ(text, english) << "the same text in every language";
    }
    // Three lines: the name and version first, then the credits.
    EXPECT_EQ(english.substr(0, english.find("\r\n")), "Velinor 1.3");
    EXPECT_EQ(std::count(english.begin(), english.end(), '\n'), 2);
    EXPECT_EQ(english.find('\n'), english.find('\r') + 1);
    // About ends the opening animation and leaves the game alone.
    EXPECT_EQ(frame->state.introStart, 0u);
    EXPECT_FALSE(TimerRunning());
    EXPECT_EQ(frame->board.solution, board.solution);
    EXPECT_EQ(ProgramVersionText(), "1.3");
}

}  // namespace
}  // namespace velinor::test
