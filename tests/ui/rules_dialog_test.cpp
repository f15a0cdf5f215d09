// The rules dialog: its two texts, and how it stands on the screen in each language.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/gdi/text.h"
#include "platform/headless/headless.h"
#include "tests/ui/golden.h"
#include "tests/ui/rules_fixture.h"
#include "ui/rules_dialog.h"
#include "ui/rules_text.h"

namespace velinor::test {
namespace {

constexpr const char* EnglishOpening =
    "Link the symbols.\r\n-no crossing\r\n-no empty cell\r\n\r\nYou may ask for help and reveal "
    "one line, but it costs 15 seconds per cell.\r\n\r\n";
constexpr const char* EnglishClosing =
    "\r\nThis version automatically computes grids. Several solutions may exist.\r\n\r\n\r\nTry "
    "to finish the next example!";
constexpr const char* FrenchOpening =
    "Reliez les symboles identiques.\r\n- pas de croisement\r\n- pas de case vide\r\n\r\nSi vous "
    "demandez de l'aide, une ligne sera révélée au coût de 15 secondes par case.\r\n\r\n";
constexpr const char* FrenchClosing =
    "\r\nCette version génère automatiquement les problèmes à l'infini. Plusieurs solutions sont "
    "possibles.\r\n\r\nEssayez de finir l'example suivant!";

TEST(RulesText, FixedPiecesAroundOneLineIntroducingTheGame) {
    struct Case {
        int32_t language;
        std::string_view opening, closing, japanese;
    };
    for (const Case& c : {Case{0, EnglishOpening, EnglishClosing, "Japanese"},
                          Case{1, FrenchOpening, FrenchClosing, "japonais"},
                          Case{-3, FrenchOpening, FrenchClosing, "japonais"}}) {
        const std::string_view text = RulesText(c.language);
        ASSERT_TRUE(text.starts_with(c.opening)) << c.language;
        ASSERT_TRUE(text.ends_with(c.closing)) << c.language;
        ASSERT_GT(text.size(), c.opening.size() + c.closing.size());
        const std::string_view middle =
            text.substr(c.opening.size(), text.size() - c.opening.size() - c.closing.size());
        EXPECT_EQ(middle.find_first_of("\r\n"), std::string_view::npos) << middle;
        EXPECT_TRUE(middle.starts_with("Velinor ")) << middle;
        EXPECT_NE(middle.find(c.japanese), std::string_view::npos) << middle;
    }
}

constexpr COLORREF Ink = RGB(0, 0, 0);
constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Frame = RGB(128, 128, 128);
constexpr COLORREF Caption = RGB(0, 0, 128);

// Dialog units to pixels: x 1.4, y 1.6, rounded. The 213 units of height (341 pixels) do not
// fit under the command bar, so the dialog takes the whole screen: its client area starts under
// the 1-pixel outline and the 18-pixel caption, at screen (1, 19).
// Title edit (47, 1, 49, 12): client (66, 2)-(134, 21), on screen (67, 21)-(135, 40).
// Rules edit (1, 17, 136, 137): client (1, 27)-(192, 246), on screen (2, 46)-(193, 265); its
// text starts 2 pixels inside, at screen row 48, and shows (219 - 4) / line height whole lines.
constexpr Rect TitleOnScreen{67, 21, 135, 40};
constexpr Rect RulesOnScreen{2, 46, 193, 265};

struct RulesDialogScreen : ::testing::Test {
    HeadlessDriver driver;
    void SetUp() override { SetResources(GameResources()); }
    COLORREF At(int x, int y) { return driver.ReadPixel(x, y - CommandBarHeight); }
    // The ink inside a control's frame, as (left, top, right, bottom) inclusive.
    Rect InkIn(const Rect& control) {
        Rect ink{control.right, control.bottom, control.left, control.top};
        for (int y = control.top + 1; y < control.bottom - 1; ++y) {
            for (int x = control.left + 1; x < control.right - 1; ++x) {
                if (At(x, y) != Ink) continue;
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
                       std::max(ink.bottom, y)};
            }
        }
        return ink;
    }
};

TEST_F(RulesDialogScreen, TitleAndWholeRulesInEachLanguage) {
    for (int32_t language : {0, 1}) {
        SCOPED_TRACE(language);
        Settings settings;
        settings.language = language;
        RulesDialog dialog(settings);
        driver.AnswerNext([&](CDialog&) {
            EXPECT_EQ(At(1, 1), Caption);
            for (const Rect& r : {TitleOnScreen, RulesOnScreen}) {
                EXPECT_EQ(At(r.left, r.top), Frame);
                EXPECT_EQ(At(r.right - 1, r.bottom - 1), Frame);
                EXPECT_EQ(At(r.left + 1, r.top + 1), Paper);
            }
            // "Velinor" centred in its edit, both ways, give or take the letters' bearings.
            const Rect title = InkIn(TitleOnScreen);
            EXPECT_NEAR(title.left + title.right, TitleOnScreen.left + TitleOnScreen.right - 1, 3);
            EXPECT_NEAR(title.top + title.bottom, TitleOnScreen.top + TitleOnScreen.bottom - 1, 4);
            // The rules from the first whole line down, none past the last one that fits.
            const Rect rules = InkIn(RulesOnScreen);
            EXPECT_GE(rules.left, RulesOnScreen.left + 2);
            EXPECT_LT(rules.top, 48 + TextLineHeight());
            EXPECT_LT(rules.bottom, 48 + (219 - 4) / TextLineHeight() * TextLineHeight());
            EXPECT_TRUE(
                MatchesGolden(language == 0 ? "rules-english" : "rules-french", driver.Screen()));
            driver.Key(VK_RETURN);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }
}

}  // namespace
}  // namespace velinor::test
