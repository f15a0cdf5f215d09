// The rules text: fixed pieces around one line introducing the game, in each language.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

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

}  // namespace
}  // namespace velinor::test
