// The Options dialog as the player sees it: radios and texts in both languages, the statistics,
// choices that take effect at once, reset, confirm and cancel, the colours, the graph on screen.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/ui/options_fixture.h"

namespace velinor::test {
namespace {

constexpr const char* EnglishLabels =
    "Total played\r\nAverage time\r\nBest time\r\nPenalties\r\nReal time";
constexpr const char* FrenchLabels =
    "Parties jouées\r\nTemps moyen\r\nMeilleur temps\r\nPénalités\r\nTemps passé";

class OptionsDialogTest : public OptionsFixture {
  protected:
    // A pixel of the graph's canvas on the screen, from the canvas's top-left corner.
    COLORREF GraphPixel(int x, int y) {
        const Point origin = Dialog().ScreenToClient({0, 0});
        const Rect canvas = Dialog().FindControl(GraphCanvas)->rect;
        return driver.ReadPixel(canvas.left + x - origin.x,
                                canvas.top + y - origin.y - CommandBarHeight);
    }
    void Count(int player, int difficulty, int32_t played, int32_t time, int32_t penalised,
               int32_t best) {
        PlayerStats& s = settings.stats[player][difficulty];
        s.totalplay = played;
        s.totaltime = time;
        s.totalpenal = penalised;
        s.besttime = best;
    }
};

TEST_F(OptionsDialogTest, OpensWithTheSettingsCheckedInEachRadioGroup) {
    settings.difficulty = 2;
    settings.player = 1;
    settings.language = 1;
    settings.symbolSet = 1;
    RunOptions([&](CDialog&) {
        std::vector<int> checked;
        for (const Control& c : Dialog().Controls())
            if (c.checked) checked.push_back(c.id);
        EXPECT_EQ(checked, (std::vector<int>{RadioLetters, RadioHard, RadioFrench, RadioPlayer2}));
        EXPECT_EQ(Dialog().GetWindowText(), "Options");
    });
    EXPECT_EQ(BoxCount(), 1u);
}

TEST_F(OptionsDialogTest, TextsFollowTheLanguageAtOnceAndCancelKeepsIt) {
    struct Label {
        int id;
        const char* english;
        const char* french;
    };
    const Label texts[] = {
        {EditLabels, EnglishLabels, FrenchLabels},
        {ButtonReset, "Reset statistics", "Remise à zéro des statistiques"},
        {RadioPlayer1, "Player 1", "Joueur 1"},
        {RadioPlayer2, "Player 2", "Joueur 2"},
        {RadioEasy, "Easy", "Facile"},
        {RadioMedium, "Medium", "Medium"},
        {RadioHard, "Hard", "Difficile"},
        {EditValues, "0", "0"},
        {EditSummary, "No played games", "Pas de partie jouée"},
        // These keep their template texts.
        {RadioEnglish, "English", "English"},
        {RadioFrench, "Français", "Français"},
        {RadioSigns, "$#@", "$#@"},
        {ButtonLineVI, "NOK", "NOK"},
    };
    RunOptions([&](CDialog&) {
        for (const Label& t : texts)
            EXPECT_EQ(Text(t.id), t.english) << t.id;
        driver.Click(RadioFrench);
        EXPECT_EQ(settings.language, 1);
        for (const Label& t : texts)
            EXPECT_EQ(Text(t.id), t.french) << t.id;
        driver.Click(RadioFrench);  // no change: nothing happens
        EXPECT_EQ(Text(RadioHard), "Difficile");
    });
    EXPECT_EQ(settings.language, 1);
    EXPECT_EQ(Stored()->language, 1);
    const CMenu& menu = *frame.GetMenu()->GetSubMenu(0);
    std::vector<std::string> items;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        items.push_back(menu.GetMenuString(i));
    EXPECT_EQ(items, (std::vector<std::string>{"Nouvelle partie", "Pause", "Suggestion",
                                               "Donner la solution", "Apprentissage", "Options",
                                               "A propos", "Quitter"}));
    EXPECT_EQ(menu.GetMenuItemID(0), MenuNewGame);
}

TEST_F(OptionsDialogTest, StatisticsOfTheSelectedPlayerAndDifficulty) {
    // Two games of 40 s and 50 s of real time with one penalised cell: the average counts it.
    Count(0, 1, 2, 90000, 1, 40000);
    Count(0, 2, 1, 200000, 0, 200000);
    Count(1, 0, 3, 30000, 0, 9000);
    settings.difficulty = 1;
    struct Step {
        int click;
        const char* values;
        const char* summary;
    };
    const Step steps[] = {
        {0, "2\r\n52\"5\r\n40\"0\r\n1\r\n1'30\"0", "Total played: 3 during 4'50\"0"},
        {RadioEasy, "0", "Total played: 3 during 4'50\"0"},
        {RadioPlayer2, "3\r\n10\"0\r\n9\"0\r\n0\r\n30\"0", "Total played: 3 during 30\"0"},
        {RadioFrench, "3\r\n10\"0\r\n9\"0\r\n0\r\n30\"0", "3 parties jouées en 30\"0"},
        {RadioMedium, "0", "3 parties jouées en 30\"0"},
    };
    RunOptions([&](CDialog&) {
        for (const Step& s : steps) {
            if (s.click != 0) driver.Click(s.click);
            EXPECT_EQ(Text(EditValues), s.values) << s.click;
            EXPECT_EQ(Text(EditSummary), s.summary) << s.click;
        }
    });
    EXPECT_EQ(settings.player, 1);
    EXPECT_EQ(settings.difficulty, 1);
}

// Medium, one counted game of 61 s, the game just finished.
TEST_F(OptionsDialogTest, TheGraphMarksTheGameJustFinishedAndResetKeepsOnlyThatMark) {
    settings.difficulty = 1;
    Count(0, 1, 1, 61000, 0, 61000);
    AddTime(settings.stats[0][1].histo, 61000, 1);
    Count(1, 1, 4, 100000, 0, 20000);
    state.elapsedMs = 61000;
    SaveSettings(settings);
    const Settings saved = settings;
    RunOptions([&](CDialog&) {
        driver.Wait(RepaintDelay);
        EXPECT_EQ(GraphPixel(45, 10), RGB(255, 0, 0));         // the bar of bin 20
        EXPECT_EQ(GraphPixel(44, 10), RGB(0, 255, 0));         // the green line over its left half
        EXPECT_EQ(GraphPixel(44, 70), RGB(0, 0, 255));         // the average's arrow
        EXPECT_EQ(GraphPixel(85, 73), RGB(0xAA, 0xAA, 0xAA));  // a tick

        Answer(IDCANCEL);
        driver.Click(ButtonReset);
        EXPECT_EQ(driver.Modals().back().text, "Are you sure?");
        EXPECT_EQ(driver.Modals().back().caption, "Warning");
        EXPECT_EQ(settings, saved);
        EXPECT_EQ(GraphPixel(45, 10), RGB(255, 0, 0));

        Answer(IDOK);
        driver.Click(ButtonReset);
        EXPECT_EQ(Text(EditValues), "0");
        EXPECT_EQ(Text(EditSummary), "No played games");
        EXPECT_EQ(GraphPixel(45, 10), RGB(255, 255, 255));
        EXPECT_EQ(GraphPixel(44, 10), RGB(0, 255, 0));
        EXPECT_EQ(GraphPixel(44, 70), RGB(255, 255, 255));
        EXPECT_EQ(settings.stats[1], saved.stats[1]);  // the other player's stay
        EXPECT_EQ(Stored(), saved);                    // nothing saved yet

        // The green line belongs to the player and difficulty the dialog opened with.
        driver.Click(RadioEasy);
        EXPECT_EQ(GraphPixel(44, 10), RGB(255, 255, 255));
        driver.Click(RadioMedium);
        driver.Click(RadioPlayer2);
        EXPECT_EQ(GraphPixel(44, 10), RGB(255, 255, 255));
    });
    EXPECT_EQ(Stored()->stats[0][1].totalplay, 0);
}

TEST_F(OptionsDialogTest, ConfirmingTakesTheSymbolSetAndCancellingLosesOnlyThat) {
    for (int button : {IDOK, IDCANCEL}) {
        settings.symbolSet = 2;
        settings.lineOK = DefaultLineOK;
        RunOptions([&](CDialog&) {
            driver.Click(RadioDigits);
            driver.Click(RadioHard);
            driver.AnswerNext([&](CDialog&) { driver.ChooseColour(RGB(10, 20, 30)); });
            driver.Click(ButtonLineOK);
            driver.Click(button);
        });
        EXPECT_EQ(settings.symbolSet, button == IDOK ? 0 : 2) << button;
        EXPECT_EQ(settings.difficulty, 2) << button;
        EXPECT_EQ(settings.lineOK, RGB(10, 20, 30)) << button;
        EXPECT_EQ(Stored(), settings) << button;
    }
}

TEST_F(OptionsDialogTest, ColourButtonsOpenTheChooserOnTheCurrentColourAndRepaintAfter) {
    settings.lineVI = RGB(1, 2, 3);
    RunOptions([&](CDialog&) {
        driver.Wait(RepaintDelay);
        ASSERT_EQ(NextTimer(), std::nullopt);
        driver.AnswerNext([&](CDialog& chooser) {
            auto& c = static_cast<ColourChooserDialog&>(chooser);
            EXPECT_EQ(c.Colour(), RGB(1, 2, 3));
            for (COLORREF custom : c.CustomColours())
                EXPECT_EQ(custom, DefaultLineVI);
            driver.ChooseColour(RGB(200, 0, 100));
        });
        driver.Click(ButtonLineVI);
        EXPECT_EQ(settings.lineVI, RGB(200, 0, 100));
        EXPECT_EQ(NextTimer(), std::optional<uint32_t>(RepaintDelay));
        driver.Wait(RepaintDelay);
        EXPECT_EQ(NextTimer(), std::nullopt);  // one shot

        driver.AnswerNext([&](CDialog&) { driver.Click(IDCANCEL); });
        driver.Click(ButtonLineOK);
        EXPECT_EQ(settings.lineOK, DefaultLineOK);
    });
    EXPECT_EQ(driver.Modals().at(1).kind, ModalKind::ColourChooser);
}

// What the chooser was given, and what it answered.
CHOOSECOLOR given;
std::array<COLORREF, CustomColourCount> givenCustom;
int answer;

int FakeChooser(CHOOSECOLOR& record) {
    given = record;
    std::copy_n(record.lpCustColors, CustomColourCount, givenCustom.begin());
    record.rgbResult = RGB(7, 8, 9);
    return answer;
}

TEST_F(OptionsDialogTest, ChooseLineColourFillsTheRecordAndTakesOnlyAResultOfOne) {
    for (int result : {1, 0, 2}) {
        answer = result;
        const COLORREF chosen = ChooseLineColour(RGB(1, 1, 1), DefaultLineOK, FakeChooser);
        EXPECT_EQ(chosen, result == 1 ? RGB(7, 8, 9) : RGB(1, 1, 1)) << result;
        EXPECT_EQ(given.lStructSize, 36u);
        EXPECT_EQ(given.hwndOwner, GetActiveWindow());
        EXPECT_EQ(given.rgbResult, RGB(1, 1, 1));  // the first colour shown
        EXPECT_EQ(given.Flags, 0x83u);
        for (COLORREF custom : givenCustom)
            EXPECT_EQ(custom, DefaultLineOK);
    }
}

}  // namespace
}  // namespace velinor::test
