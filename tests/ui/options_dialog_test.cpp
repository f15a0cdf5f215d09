// The Options dialog on screen: its graph, reset and the colour chooser.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/ui/options_fixture.h"

namespace velinor::test {
namespace {

class OptionsDialogTest : public OptionsFixture {
  protected:
    // A pixel of the graph's canvas on the screen.
    COLORREF GraphPixel(int x, int y) {
        const Point origin = Dialog().ScreenToClient({0, 0});
        const Rect canvas = Dialog().FindControl(GraphCanvas)->rect;
        return driver.ReadPixel(canvas.left + x - origin.x,
                                canvas.top + y - origin.y - CommandBarHeight);
    }
};

// Medium, one counted game of 61 s, the game just finished: its dashed line at x = 44 over
// the left half of its bar.
TEST_F(OptionsDialogTest, TheGraphMarksTheGameJustFinishedAndResetKeepsOnlyThatMark) {
    settings.difficulty = 1;
    settings.stats[0][1] = {61000, 1, 61000, 0, {}};
    AddTime(settings.stats[0][1].histo, 61000, 1);
    settings.stats[1][1] = {20000, 4, 100000, 0, {}};
    state.elapsedMs = 61000;
    SaveSettings(settings);
    const Settings saved = settings;
    constexpr COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), White = RGB(255, 255, 255);
    RunOptions([&](CDialog&) {
        driver.Wait(RepaintDelay);
        EXPECT_EQ(GraphPixel(45, 10), Red);
        EXPECT_EQ(GraphPixel(44, 10), Green);

        Answer(IDCANCEL);
        driver.Click(ButtonReset);
        EXPECT_EQ(settings, saved);
        Answer(IDOK);
        driver.Click(ButtonReset);
        EXPECT_EQ(Dialog().GetDlgItemText(EditValues), "0");
        EXPECT_EQ(GraphPixel(45, 10), White);
        EXPECT_EQ(GraphPixel(44, 10), Green);
        EXPECT_EQ(settings.stats[1], saved.stats[1]);  // the other player's stay
        EXPECT_EQ(Stored(), saved);                    // nothing saved yet

        // The line belongs to the player and difficulty the dialog opened with.
        driver.Click(RadioPlayer2);
        EXPECT_EQ(GraphPixel(44, 10), White);
    });
    EXPECT_EQ(Stored()->stats[0][1].totalplay, 0);
}

TEST_F(OptionsDialogTest, AChosenColourRepaintsTheGraphOnceAfter) {
    RunOptions([&](CDialog&) {
        driver.Wait(RepaintDelay);
        ASSERT_EQ(NextTimer(), std::nullopt);
        driver.AnswerNext([&](CDialog&) { driver.ChooseColour(RGB(200, 0, 100)); });
        driver.Click(ButtonLineVI);
        EXPECT_EQ(settings.lineVI, RGB(200, 0, 100));
        EXPECT_EQ(NextTimer(), RepaintDelay);
        driver.Wait(RepaintDelay);
        EXPECT_EQ(NextTimer(), std::nullopt);
    });
}

// Checks the record as the toolkit's chooser would receive it.
int answer;
int FakeChooser(CHOOSECOLOR& record) {
    EXPECT_EQ(record.lStructSize, 36u);
    EXPECT_EQ(record.hwndOwner, GetActiveWindow());
    EXPECT_EQ(record.rgbResult, RGB(1, 1, 1));
    EXPECT_EQ(record.Flags, 0x83u);
    EXPECT_EQ(
        std::count(record.lpCustColors, record.lpCustColors + CustomColourCount, DefaultLineOK),
        16);
    record.rgbResult = RGB(7, 8, 9);
    return answer;
}

TEST_F(OptionsDialogTest, ChooseLineColourFillsTheRecordAndTakesOnlyAResultOfOne) {
    for (int result : {1, 0, 2}) {
        answer = result;
        EXPECT_EQ(ChooseLineColour(RGB(1, 1, 1), DefaultLineOK, FakeChooser),
                  result == 1 ? RGB(7, 8, 9) : RGB(1, 1, 1));
    }
}

}  // namespace
}  // namespace velinor::test
