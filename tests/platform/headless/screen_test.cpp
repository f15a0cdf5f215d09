// The screen as pixels: a message box, the open menu and a dialog over a game-like frame,
// checked at points worked out by hand and written out as PNG screenshots.
#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/headless/headless.h"
#include "platform/window/colour_chooser.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Navy = RGB(0, 0, 128);
constexpr COLORREF Red = RGB(255, 0, 0);

// A stand-in for the game's frame: a black client area with a 5 x 5 board of grey cells.
void PaintBoard(CPaintDC& paint) {
    DC& dc = paint.Context();
    FillRect(dc, {0, 0, 240, 294}, GetStockBrush(StockBrush::Black));
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 5; ++y) {
            Rect cell{70 + 20 * x, 100 + 20 * y, 70 + 20 * x + 19, 100 + 20 * y + 19};
            FillRect(dc, cell, GetStockBrush(StockBrush::Grey));
        }
    }
}

void WriteShot(HeadlessDriver& driver, const std::string& name) {
    std::filesystem::create_directories(VELINOR_SCREENSHOT_DIR);
    std::string error;
    EXPECT_TRUE(driver.WriteScreenPng(std::string(VELINOR_SCREENSHOT_DIR) + "/" + name, &error))
        << error;
}

struct Screens : test::ShellTest {
    void SetUp() override {
        ShellTest::SetUp();
        frame->painter = PaintBoard;
        frame->Invalidate();
        driver.Wait(0);
    }
    // Screen pixels, not client ones.
    COLORREF At(int x, int y) { return driver.ReadPixel(x, y - CommandBarHeight); }
};

TEST_F(Screens, TheFrameFillsTheScreenUnderTheCommandBar) {
    EXPECT_EQ(At(0, 26), Black);
    EXPECT_EQ(At(70, 126), Grey);   // the board's first cell, client (70, 100)
    EXPECT_EQ(At(89, 126), Black);  // the gap after it
    EXPECT_EQ(At(239, 319), Black);
    EXPECT_EQ(At(239, 10), RGB(192, 192, 192));  // the bar, beside its buttons
    EXPECT_EQ(At(239, 25), RGB(132, 130, 132));  // its lower edge
    EXPECT_EQ(driver.ReadPixel(0, 294), InvalidColour);
}

TEST_F(Screens, AMessageBoxStandsCentredUnderTheBarAndLeavesNoTrace) {
    Rect box;
    driver.AnswerNext([&](CDialog& dialog) {
        box = dialog.WindowRect();
        // Centred in the 240 x 294 area under the bar.
        EXPECT_LE(std::abs(box.left + box.right - 240), 1);
        EXPECT_LE(std::abs(box.top - 26 - (320 - box.bottom)), 1);
        EXPECT_EQ(At(box.left, box.top), Black);                    // the outline
        EXPECT_EQ(At(box.left + 1, box.top + 1), Navy);             // the caption bar
        EXPECT_EQ(At(box.right - 2, box.top + 18), Navy);           // its last row
        EXPECT_EQ(At(box.left + 1, box.top + 19), White);           // the body
        EXPECT_EQ(At(box.right, box.bottom + 1), RGB(64, 64, 64));  // the shadow
        // The OK button, centred at the bottom: outline black with its corners cut, face white.
        const Control* ok = dialog.FindControl(IDOK);
        ASSERT_NE(ok, nullptr);
        Point origin{box.left + 1, box.top + 19};
        Rect b{ok->rect.left + origin.x, ok->rect.top + origin.y, ok->rect.right + origin.x,
               ok->rect.bottom + origin.y};
        EXPECT_LE(std::abs(b.left + b.right - box.left - box.right), 1);
        EXPECT_EQ(At(b.left + 1, b.top), Black);
        EXPECT_EQ(At(b.left, b.top), White);
        EXPECT_EQ(At(b.left + 2, b.top + 2), White);
        EXPECT_EQ(At(b.right - 1, b.bottom - 2), Black);
        WriteShot(driver, "message-box.png");

        // Held down, the button shows black.
        driver.Press((b.left + b.right) / 2, (b.top + b.bottom) / 2 - CommandBarHeight);
        EXPECT_EQ(At(b.left + 2, b.top + 2), Black);
        driver.Release((b.left + b.right) / 2, (b.top + b.bottom) / 2 - CommandBarHeight);
    });
    driver.Command(40003);
    EXPECT_EQ(frame->boxResult, IDOK);
    // The frame's pixels are back where the box stood.
    EXPECT_EQ(At(box.left, box.top), Black);
    EXPECT_EQ(At(box.left + 1, box.top + 19), Black);
    EXPECT_EQ(At(70, 146), Grey);
}

TEST_F(Screens, TheOpenMenuHangsUnderItsButtonAndLightsTheHeldItem) {
    CCommandBar& bar = frame->commandBar;
    Rect button = bar.MenuButtonRect();
    EXPECT_EQ(button.left, 0);
    driver.Tap(button.left + 5, button.top + 5 - CommandBarHeight);
    ASSERT_TRUE(bar.IsMenuOpen());
    EXPECT_EQ(At(button.left + 1, button.top + 1), Navy);
    Rect first = bar.MenuItemRect(0);
    EXPECT_EQ(first.left, 1);
    EXPECT_EQ(first.top, 27);
    EXPECT_EQ(At(0, 26), Black);  // the popup's outline
    EXPECT_EQ(At(1, 27), White);

    Rect hint = bar.MenuItemRect(3);
    driver.Press(hint.left + 3, hint.top + 3 - CommandBarHeight);
    EXPECT_EQ(At(hint.left, hint.top), Navy);
    EXPECT_EQ(At(first.left, first.top), White);
    WriteShot(driver, "menu-open.png");
    driver.Release(hint.left + 3, hint.top + 3 - CommandBarHeight);
    EXPECT_FALSE(bar.IsMenuOpen());
    // Nothing of the popup stays: the frame below it, the button back to the bar's grey.
    EXPECT_EQ(At(1, 27), Black);
    EXPECT_EQ(At(100, 60), Black);
    EXPECT_EQ(At(button.left + 1, button.top + 1), RGB(192, 192, 192));
}

TEST_F(Screens, TheDialogFillsTheScreenAndPaintsItsGraphOnThePictureControl) {
    driver.AnswerNext([&](CDialog& dialog) {
        EXPECT_EQ(dialog.WindowRect(), (Rect{0, 0, 240, 320}));
        driver.Wait(60);  // the dialog's one-shot timer paints the graph once more
        EXPECT_EQ(At(0, 0), Black);
        EXPECT_EQ(At(5, 5), Navy);
        EXPECT_EQ(At(215, 10), White);  // the caption's "ok"
        // Control 1027 at (5, 54) units is (7, 86) in the client, (8, 105) on the screen;
        // the graph draws its white ground, its axes at x = 3 and y = 72, and red bars.
        EXPECT_EQ(At(11, 110), Black);
        EXPECT_EQ(At(9, 110), White);
        EXPECT_EQ(At(50, 177), Black);
        EXPECT_EQ(At(32, 170), Red);
        EXPECT_EQ(At(33, 170), Red);
        EXPECT_EQ(At(34, 170), White);
        // Radio 1018 at (85, 70) units: its ring from client (119, 114); checked, a dot at its
        // centre.
        EXPECT_EQ(At(124, 137), Black);
        EXPECT_EQ(At(124, 137 + 16), White);  // 1019 below it: not checked
        WriteShot(driver, "dialog.png");
        driver.Click(1019);
        EXPECT_EQ(At(124, 137), White);
        EXPECT_EQ(At(124, 153), Black);
        driver.Click(IDOK);
    });
    driver.Command(40004);
    EXPECT_EQ(frame->dialogResult, IDOK);
    EXPECT_EQ(At(0, 0), RGB(192, 192, 192));
    EXPECT_EQ(At(5, 5), RGB(192, 192, 192));
    EXPECT_EQ(At(70, 126), Grey);
}

TEST_F(Screens, TheColourChooserShowsTheCustomColoursAndTheColourChosen) {
    std::array<COLORREF, 16> custom;
    custom.fill(RGB(0, 80, 0));
    CHOOSECOLOR record;
    record.lStructSize = ChooseColorRecordSize;
    record.rgbResult = RGB(128, 0, 0);
    record.lpCustColors = custom.data();
    record.Flags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR;
    driver.AnswerNext([&](CDialog& chooser) {
        // 228 x 272 with its frame, centred under the bar: its client area starts at (7, 56).
        EXPECT_EQ(chooser.WindowRect(), (Rect{6, 37, 234, 309}));
        EXPECT_EQ(At(20, 205), RGB(0, 80, 0));   // the first custom colour
        EXPECT_EQ(At(20, 290), RGB(128, 0, 0));  // the colour so far, from the record
        // The basic dark red (fourth row, first column) is the colour so far: framed in black.
        EXPECT_EQ(At(12, 127), Black);
        EXPECT_EQ(At(12, 144), White);  // the swatch below it: no frame
        WriteShot(driver, "colour-chooser.png");
        driver.Tap(20, 205 - CommandBarHeight);
        EXPECT_EQ(At(20, 290), RGB(0, 80, 0));
        driver.Click(IDOK);
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(record.rgbResult, RGB(0, 80, 0));
}

}  // namespace
}  // namespace velinor
