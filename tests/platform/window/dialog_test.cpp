// Dialogs: data exchange, radio groups, nesting, timers, edits; the colour chooser.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "platform/window/colour_chooser.h"
#include "platform/window/message_box.h"
#include "tests/platform/window/sample_app.h"

namespace velinor {
namespace {

using Log = std::vector<std::string>;
using test::SampleDialog;

bool Checked(const CDialog& dialog, int id) {
    const Control* control = dialog.FindControl(id);
    return control != nullptr && control->checked;
}

struct Dialogs : ::testing::Test {
    HeadlessDriver driver;
    void SetUp() override { SetResources(test::SampleResources); }

    // Taps the middle of a control of the open dialog with the stylus.
    void TapControl(CDialog& dialog, int id) {
        const Control* c = dialog.FindControl(id);
        ASSERT_NE(c, nullptr);
        Point origin = dialog.ScreenToClient({0, 0});
        driver.Tap((c->rect.left + c->rect.right) / 2 - origin.x,
                   (c->rect.top + c->rect.bottom) / 2 - origin.y - CommandBarHeight);
    }
};

TEST_F(Dialogs, RadioGroupsExchangeTheIndexOfTheirCheckedButton) {
    SampleDialog dialog;
    dialog.initialIndex = 1;
    driver.AnswerNext([&](CDialog&) {
        // Members to controls: the second radio of each group is checked.
        for (int id : {1023, 1019, 1007, 1029})
            EXPECT_TRUE(Checked(dialog, id)) << id;
        for (int id : {1022, 1025, 1018, 1020, 1001, 1026}) {
            EXPECT_FALSE(Checked(dialog, id)) << id;
        }
        TapControl(dialog, 1020);  // a tap checks it and unchecks the rest of its group only
        EXPECT_FALSE(Checked(dialog, 1019));
        EXPECT_TRUE(Checked(dialog, 1023));
        EXPECT_EQ(dialog.GetRadioIndex(1018), 2);
        EXPECT_EQ(dialog.GetRadioIndex(1019), 2);  // any member names its group
        EXPECT_EQ(dialog.difficulty, 1);           // members change at the next exchange
        driver.Click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.difficulty, 2);
    EXPECT_EQ(dialog.symbolSet, 1);
    EXPECT_EQ(dialog.language, 1);
    EXPECT_EQ(dialog.player, 1);
}

TEST_F(Dialogs, AnIndexOutOfRangeChecksNoneAndNoneCheckedGivesMinusOne) {
    SampleDialog dialog;
    dialog.initialIndex = 3;  // the groups have two or three radios
    driver.AnswerNext([&](CDialog&) {
        EXPECT_FALSE(Checked(dialog, 1020));
        driver.Click(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.difficulty, -1);
    EXPECT_EQ(dialog.language, -1);
}

TEST_F(Dialogs, TextsGoBothWaysAndAControlsTextCanBeSetByIdentifier) {
    SampleDialog dialog;
    driver.AnswerNext([&](CDialog&) {
        EXPECT_EQ(dialog.GetDlgItemText(1003), dialog.labels);
        dialog.SetDlgItemText(1008, "Reset statistics");
        dialog.SetDlgItemText(1024, "No played games");
        dialog.SetDlgItemText(4242, "no such control");
        EXPECT_EQ(dialog.GetDlgItemText(1008), "Reset statistics");
        EXPECT_EQ(dialog.reset.GetDlgCtrlID(), 1008);
        driver.Click(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.summary, "No played games");
}

TEST_F(Dialogs, CancelEndsWithoutTakingTheControlsBack) {
    SampleDialog dialog;
    driver.AnswerNext([&](CDialog&) {
        driver.Click(1020);
        driver.Key(VK_ESCAPE);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.difficulty, 0);
}

TEST_F(Dialogs, AMessageBoxOpensInsideADialogAndReturnsToIt) {
    SampleDialog dialog;
    driver.AnswerNext([&](CDialog&) {
        driver.Click(1008);  // the reset question...
        driver.Click(1008);
        driver.Click(IDOK);
    });
    driver.AnswerNext([&](CDialog& box) {
        EXPECT_EQ(box.Kind(), ModalKind::MessageBox);
        TapControl(dialog, 1020);  // the dialog below takes no stylus meanwhile
        EXPECT_EQ(dialog.GetRadioIndex(1018), 0);
        driver.Click(IDCANCEL);
    });
    driver.AnswerNext([&](CDialog&) { driver.Click(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    std::erase(dialog.log, "paint");
    EXPECT_EQ(dialog.log, (Log{"reset 2", "reset 1"}));
    ASSERT_EQ(driver.Modals().size(), 3u);
    EXPECT_EQ(driver.Modals()[0].templateId, test::SampleDialogId);
    EXPECT_EQ(driver.Modals()[1].caption, "Warning");
    EXPECT_EQ(driver.Modals()[1].text, "Are you sure?");
    EXPECT_EQ(driver.Modals()[1].type, MB_OKCANCEL);
}

TEST_F(Dialogs, TheDialogsOwnTimerFiresAndItsHandlerRunsInTheTable) {
    SampleDialog dialog;
    driver.AnswerNext([&](CDialog&) {
        driver.Wait(49);
        EXPECT_EQ(dialog.log, (Log{"paint"}));
        driver.Wait(1);
        driver.Wait(200);  // a one-shot: killed by its handler
        driver.Click(1007);
        driver.Click(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, (Log{"paint", "timer 1", "paint", "language 1", "paint"}));
}

TEST_F(Dialogs, UnansweredOrMissingDialogsEndWithoutHanging) {
    SampleDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // nobody answers: closed as its close box would
    EXPECT_EQ(RunMessageBox("Best time!", "Congratulations", MB_OK), IDOK);
    ASSERT_EQ(driver.Modals().size(), 2u);
    EXPECT_FALSE(driver.Modals()[1].answered);

    driver.AnswerNext([&](CDialog&) {});  // a hook that leaves it open
    EXPECT_EQ(RunMessageBox("Abort?", "Warning", MB_OKCANCEL), IDCANCEL);

    CDialog missing(4321);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST_F(Dialogs, TheCaptionOkConfirms) {
    SampleDialog dialog;
    driver.AnswerNext([&](CDialog&) {
        Rect window = dialog.WindowRect();
        driver.Tap(window.right - 15, window.top + 8 - CommandBarHeight);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.Modals()[0].caption, "Options");
}

TEST_F(Dialogs, AnEditWiderThanItsTextScrollsUnderTheStylusWithinItsText) {
    SampleDialog dialog;
    dialog.summary = "Total played: 12345 during 1234h56'7\"8 and then some more";
    driver.AnswerNext([&](CDialog&) {
        const Control* edit = dialog.FindControl(1024);
        ASSERT_NE(edit, nullptr);
        Point most = MaxScroll(*edit);
        ASSERT_GT(most.x, 0);
        EXPECT_EQ(most.y, 0);
        Point origin = dialog.ScreenToClient({0, 0});
        int x = edit->rect.left + 100 - origin.x;
        int y = edit->rect.top + 5 - origin.y - CommandBarHeight;
        const Point drag[] = {{x, y}, {x - 30, y}};
        driver.Drag(drag);
        EXPECT_EQ(edit->scroll, (Point{30, 0}));
        // Past the end of the text the scroll stops.
        int right = edit->rect.right - 2 - origin.x;
        const Point far[] = {{right, y}, {0, y + 50}};
        driver.Drag(far);
        EXPECT_EQ(edit->scroll, most);
        driver.Click(IDOK);
    });
    dialog.DoModal();
}

struct Chooser : Dialogs {
    std::array<COLORREF, 16> custom{};
    CHOOSECOLOR record;

    void SetUp() override {
        custom.fill(RGB(0, 80, 0));
        record.lStructSize = ChooseColorRecordSize;
        record.rgbResult = RGB(12, 34, 56);
        record.lpCustColors = custom.data();
        record.Flags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR;
    }
};

TEST_F(Chooser, ReturnsOneWithTheChosenColour) {
    driver.AnswerNext([&](CDialog& d) {
        auto& chooser = static_cast<ColourChooserDialog&>(d);
        EXPECT_EQ(chooser.Kind(), ModalKind::ColourChooser);
        EXPECT_EQ(chooser.Colour(), RGB(12, 34, 56));  // the record's first colour
        EXPECT_TRUE(driver.ChooseColour(RGB(200, 100, 50)));
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(record.rgbResult, RGB(200, 100, 50));
}

TEST_F(Chooser, ReturnsZeroAndKeepsTheColourWhenCancelledOrGivenABadRecord) {
    driver.AnswerNext([&](CDialog&) { EXPECT_TRUE(driver.Click(IDCANCEL)); });
    EXPECT_EQ(ChooseColor(record), 0);
    EXPECT_EQ(record.rgbResult, RGB(12, 34, 56));

    CHOOSECOLOR wrongSize = record;
    wrongSize.lStructSize = 40;
    CHOOSECOLOR noCustom = record;
    noCustom.lpCustColors = nullptr;
    EXPECT_EQ(ChooseColor(wrongSize), 0);
    EXPECT_EQ(ChooseColor(noCustom), 0);
    EXPECT_EQ(driver.Modals().size(), 1u);  // the bad records open nothing
}

TEST_F(Chooser, TheCustomColoursAreOfferedAndTheSpectrumOnlyWhenFullyOpen) {
    record.Flags = CC_RGBINIT;
    driver.AnswerNext([&](CDialog& d) {
        auto& chooser = static_cast<ColourChooserDialog&>(d);
        // Third row of the custom colours' block: the spectrum is not there.
        Point origin = chooser.ScreenToClient({0, 0});
        driver.Tap(10 - origin.x, 190 - origin.y - CommandBarHeight);
        EXPECT_EQ(chooser.Colour(), RGB(12, 34, 56));
        driver.Tap(10 - origin.x, 150 - origin.y - CommandBarHeight);  // first custom colour
        EXPECT_EQ(chooser.Colour(), RGB(0, 80, 0));
        driver.Click(IDOK);
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(record.rgbResult, RGB(0, 80, 0));

    record.Flags = CC_FULLOPEN;  // no first colour: black; the spectrum is there
    driver.AnswerNext([&](CDialog& d) {
        auto& chooser = static_cast<ColourChooserDialog&>(d);
        EXPECT_EQ(chooser.Colour(), RGB(0, 0, 0));
        Point origin = chooser.ScreenToClient({0, 0});
        driver.Tap(10 - origin.x, 200 - origin.y - CommandBarHeight);
        EXPECT_NE(chooser.Colour(), RGB(0, 0, 0));
        driver.Click(712);  // "Add": the custom colours take it, and go back to the caller
        driver.Click(IDOK);
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(custom[0], record.rgbResult);
    EXPECT_EQ(custom[1], RGB(0, 80, 0));
}

}  // namespace
}  // namespace velinor
