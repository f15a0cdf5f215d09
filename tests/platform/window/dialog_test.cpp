// Dialogs: radio indexes out of range, unanswered and missing dialogs, edits scrolled by the
// stylus and by whole lines; the colour chooser.
// Exchange, groups, nesting and timers are checked on the Options dialog.
#include <array>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/headless/headless.h"
#include "platform/window/colour_chooser.h"
#include "platform/window/controls.h"
#include "platform/window/message_box.h"
#include "tests/platform/window/sample_app.h"

namespace velinor {
namespace {

using test::SampleDialog;

struct Dialogs : ::testing::Test {
    HeadlessDriver driver;
    SampleDialog dialog;
    void SetUp() override { SetResources(test::SampleResources); }

    // Taps a point of the open dialog's client area with the stylus.
    void TapClient(const CDialog& on, int x, int y) {
        const Point origin = on.ScreenToClient({0, 0});
        driver.Tap(x - origin.x, y - origin.y - CommandBarHeight);
    }
};

TEST_F(Dialogs, AnIndexOutOfRangeChecksNoneAndCancelTakesNothingBack) {
    dialog.difficulty = 3;  // the groups have two and three radios
    driver.AnswerNext([&](CDialog&) {
        EXPECT_EQ(dialog.GetRadioIndex(1018), -1);
        driver.Click(1020);
        driver.Key(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.difficulty, 3);
}

TEST_F(Dialogs, UnansweredOrMissingDialogsEndWithoutHanging) {
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // nobody answers: closed as its close box would
    driver.AnswerNext([&](CDialog&) {});    // a hook that leaves it open
    EXPECT_EQ(RunMessageBox("Abort?", "Warning", MB_OKCANCEL), IDCANCEL);
    CDialog missing(4321);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(Dialogs, AnEditWiderThanItsTextScrollsUnderTheStylusWithinItsText) {
    dialog.summary = "Total played: 12345 during 1234h56'7\"8 and then some more";
    driver.AnswerNext([&](CDialog&) {
        const Control* edit = dialog.FindControl(1024);
        ASSERT_NE(edit, nullptr);
        const Point most = MaxScroll(*edit);
        ASSERT_GT(most.x, 0);
        EXPECT_EQ(most.y, 0);
        const Point origin = dialog.ScreenToClient({0, 0});
        const int x = edit->rect.left + 100 - origin.x;
        const int y = edit->rect.top + 5 - origin.y - CommandBarHeight;
        const Point drag[] = {{x, y}, {x - 30, y}};
        driver.Drag(drag);
        EXPECT_EQ(edit->scroll, (Point{30, 0}));
        // Past the end of the text the scroll stops.
        const Point far[] = {{edit->rect.right - 2 - origin.x, y}, {0, y + 50}};
        driver.Drag(far);
        EXPECT_EQ(edit->scroll, most);
        driver.Click(IDOK);
    });
    dialog.DoModal();
}

TEST(MultiLineEdit, ScrollsToTheNearestWholeLineWithinTheText) {
    // The text lies 2 pixels inside the frame and the scroll thumb takes 2 more on the right:
    // 61 rows are left, whole lines of them shown.
    const Control edit{.id = 1,
                       .kind = ControlKind::Edit,
                       .style = ES_MULTILINE,
                       .rect = {10, 10, 110, 75},
                       .text = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10"};
    const int line = TextLineHeight();
    const int most = (10 - 61 / line) * line;
    EXPECT_EQ(MaxScroll(edit), (Point{0, most}));
    const int half = line - line / 2;  // at least half a line: the next line
    const int cases[][2] = {{-line, 0},       {half - 1, 0},
                            {half, line},     {2 * line + half - 1, 2 * line},
                            {most - 1, most}, {most + line, most}};
    for (const auto& [wanted, expected] : cases)
        EXPECT_EQ(ClampScroll(edit, {5, wanted}), (Point{0, expected})) << wanted;
}

TEST_F(Dialogs, TheSpectrumOnlyWhenFullyOpenAddedColoursGoBackAndBadRecordsOpenNothing) {
    std::array<COLORREF, 16> custom{};
    custom.fill(RGB(0, 80, 0));
    CHOOSECOLOR record{.lStructSize = ChooseColorRecordSize,
                       .rgbResult = RGB(12, 34, 56),
                       .lpCustColors = custom.data(),
                       .Flags = CC_RGBINIT};
    auto colour = [](CDialog& d) { return static_cast<ColourChooserDialog&>(d).Colour(); };
    driver.AnswerNext([&](CDialog& d) {
        EXPECT_EQ(d.Kind(), ModalKind::ColourChooser);
        TapClient(d, 10, 190);  // below the custom colours: no spectrum there
        EXPECT_EQ(colour(d), RGB(12, 34, 56));
    });
    EXPECT_EQ(ChooseColor(record), 0);
    record.Flags = CC_FULLOPEN;  // no first colour: black; the spectrum is there
    driver.AnswerNext([&](CDialog& d) {
        EXPECT_EQ(colour(d), RGB(0, 0, 0));
        TapClient(d, 10, 190);
        EXPECT_NE(colour(d), RGB(0, 0, 0));
        driver.Click(712);  // "Add"
        driver.Click(IDOK);
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(custom[0], record.rgbResult);
    EXPECT_EQ(custom[1], RGB(0, 80, 0));
    CHOOSECOLOR wrongSize = record, noCustom = record;
    wrongSize.lStructSize = 40;
    noCustom.lpCustColors = nullptr;
    EXPECT_EQ(ChooseColor(wrongSize), 0);
    EXPECT_EQ(ChooseColor(noCustom), 0);
    EXPECT_EQ(driver.Modals().size(), 2u);
}

}  // namespace
}  // namespace velinor
