// The rules dialog: its two texts, and how it stands on the screen in each language.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/headless/headless.h"
#include "tests/support/golden.h"
#include "ui/dialog_templates.h"
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

// The dialog takes the whole screen in each language, its two texts in place.
TEST(RulesDialogScreen, GoldenScreenInEachLanguage) {
    HeadlessDriver driver;
    const ResourceTable resources{{}, {}, {}, GameDialogTemplates()};
    SetResources(resources);
    for (int32_t language : {0, 1}) {
        Settings settings;
        settings.language = language;
        RulesDialog dialog(settings);
        driver.AnswerNext([&](CDialog&) {
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
