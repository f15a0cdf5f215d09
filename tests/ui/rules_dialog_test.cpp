// The rules dialog: its two texts, and how it stands on the screen in each language.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/headless.h"
#include "tests/support/golden.h"
#include "tests/ui/rules_fixture.h"
#include "ui/rules_dialog.h"
#include "ui/rules_text.h"

namespace velinor::test {
namespace {

struct Rules {
    std::string_view opening, closing, japanese;
};
constexpr Rules English{
    "Link the symbols.\r\n-no crossing\r\n-no empty cell\r\n\r\nYou may ask for help and reveal "
    "one line, but it costs 15 seconds per cell.\r\n\r\n",
    "\r\nThis version automatically computes grids. Several solutions may exist.\r\n\r\n\r\nTry "
    "to finish the next example!",
    "Japanese"};
constexpr Rules French{
    "Reliez les symboles identiques.\r\n- pas de croisement\r\n- pas de case vide\r\n\r\nSi vous "
    "demandez de l'aide, une ligne sera révélée au coût de 15 secondes par case.\r\n\r\n",
    "\r\nCette version génère automatiquement les problèmes à l'infini. Plusieurs solutions sont "
    "possibles.\r\n\r\nEssayez de finir l'example suivant!",
    "japonais"};

TEST(RulesText, FixedPiecesAroundOneLineIntroducingTheGame) {
    for (auto [language, rules] : {std::pair{0, English}, {1, French}, {-3, French}}) {
        const std::string_view text = RulesText(language);
        ASSERT_TRUE(text.starts_with(rules.opening) && text.ends_with(rules.closing)) << text;
        const std::string_view middle = text.substr(
            rules.opening.size(), text.size() - rules.opening.size() - rules.closing.size());
        EXPECT_EQ(middle.find_first_of("\r\n"), std::string_view::npos) << middle;
        EXPECT_TRUE(middle.starts_with("Velinor ")) << middle;
        EXPECT_NE(middle.find(rules.japanese), std::string_view::npos) << middle;
    }
}

// Dialog units to pixels (x 1.4, y 1.6): 213 units of height do not fit under the command bar,
// so the dialog takes the whole screen, its client area at (1, 19) under the outline and the
// caption. The title edit (47, 1, 49, 12) lands at (67, 21)-(135, 40), the rules edit
// (1, 17, 136, 137) at (2, 46)-(193, 265).
TEST(RulesDialogScreen, FramesTextsAndGoldenScreenInEachLanguage) {
    HeadlessDriver driver;
    SetResources(GameResources());
    for (int32_t language : {0, 1}) {
        Settings settings;
        settings.language = language;
        RulesDialog dialog(settings);
        driver.AnswerNext([&](CDialog&) {
            for (Rect r : {Rect{67, 21, 135, 40}, Rect{2, 46, 193, 265}}) {
                const int y = r.top - CommandBarHeight;
                EXPECT_EQ(driver.ReadPixel(r.left, y), RGB(128, 128, 128));
                EXPECT_EQ(driver.ReadPixel(r.right - 1, y), RGB(128, 128, 128));
                EXPECT_EQ(driver.ReadPixel(r.left + 1, y + 1), RGB(255, 255, 255));
            }
            EXPECT_EQ(dialog.GetDlgItemText(RulesTitleId), "Velinor");
            EXPECT_TRUE(dialog.GetDlgItemText(RulesTextId)
                            .starts_with((language == 0 ? English : French).opening));
            EXPECT_TRUE(
                MatchesGolden(language == 0 ? "rules-english" : "rules-french", driver.Screen()));
            driver.Key(VK_RETURN);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(driver.Modals().back().caption, "Dialog");
    }
}

}  // namespace
}  // namespace velinor::test
