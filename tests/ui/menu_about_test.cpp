// The menu in either language, relabelled by position with its commands kept, and About, whose
// caption alone follows the language.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "tests/app/program_fixture.h"
#include "ui/menu_language.h"

namespace velinor::test {
namespace {

using Texts = std::vector<std::string>;

const Texts English = {"New Game",    "Pause",   "Hint",  "Show solution",
                       "Learn rules", "Options", "About", "Exit"};
const Texts French = {"Nouvelle partie", "Pause",   "Suggestion", "Donner la solution",
                      "Apprentissage",   "Options", "A propos",   "Quitter"};

TEST_F(ProgramTest, MenuAndAboutCaptionFollowTheLanguageBackAndForth) {
    Start();
    const std::vector<uint32_t> ids(MenuCommands.begin(), MenuCommands.end());
    struct Case {
        int32_t language;
        const Texts* menu;
        const char* about;
    };
    for (const Case& c :
         {Case{1, &French, "A propos"}, Case{0, &English, "About"}, Case{2, &French, "About"},
          Case{-1, &French, "About"}, Case{0, &English, "About"}}) {
        frame->settings.language = c.language;
        ApplyMenuLanguage(frame->context);
        EXPECT_EQ(MenuTexts(), *c.menu) << c.language;
        EXPECT_EQ(MenuIds(), ids) << c.language;
        driver.Command(MenuAbout);
        EXPECT_EQ(LastBox().caption, c.about) << c.language;
        EXPECT_EQ(LastBox().text, "Velinor 1.3\r\nby the Velinor project\r\nDecember 2026");
    }
}

}  // namespace
}  // namespace velinor::test
