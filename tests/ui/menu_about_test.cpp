// The menu in either language, relabelled by position with its commands kept, and About, whose
// caption alone follows the language.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "tests/app/program_fixture.h"
#include "ui/menu_language.h"

namespace velinor::test {
namespace {

using Texts = std::vector<std::string>;

const Texts English = {"New Game 40005",    "Pause 40015",   "Hint 40013",  "Show solution 40007",
                       "Learn rules 40008", "Options 40004", "About 40003", "Exit 40001"};
const Texts French = {"Nouvelle partie 40005",    "Pause 40015",         "Suggestion 40013",
                      "Donner la solution 40007", "Apprentissage 40008", "Options 40004",
                      "A propos 40003",           "Quitter 40001"};

TEST_F(ProgramTest, MenuAndAboutCaptionFollowTheLanguageBackAndForth) {
    Start();
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
        EXPECT_EQ(MenuItems(), *c.menu) << c.language;
        driver.Command(MenuAbout);
        EXPECT_EQ(LastBox().caption, c.about) << c.language;
        EXPECT_EQ(LastBox().text, "Velinor 1.3\r\nby the Velinor project\r\nDecember 2026");
    }
}

}  // namespace
}  // namespace velinor::test
