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
constexpr COLORREF BarGrey = RGB(192, 192, 192);
constexpr COLORREF Navy = RGB(0, 0, 128);

// A stand-in for the game's frame: a black client area with a 5 x 5 board of grey cells.
void PaintBoard(CPaintDC& paint) {
    FillRect(paint.Context(), {0, 0, 240, 294}, GetStockBrush(StockBrush::Black));
    for (int x = 70; x < 170; x += 20)
        for (int y = 100; y < 200; y += 20)
            FillRect(paint.Context(), {x, y, x + 19, y + 19}, GetStockBrush(StockBrush::Grey));
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
    void Press(int x, int y) { driver.Press(x, y - CommandBarHeight); }
    void Release(int x, int y) { driver.Release(x, y - CommandBarHeight); }
    void WriteShot(const std::string& name) {
        std::filesystem::create_directories(VELINOR_SCREENSHOT_DIR);
        std::string error;
        EXPECT_TRUE(driver.WriteScreenPng(VELINOR_SCREENSHOT_DIR "/" + name, &error)) << error;
    }
};

TEST_F(Screens, AMessageBoxStandsCentredUnderTheBarAndLeavesNoTrace) {
    EXPECT_EQ(driver.ReadPixel(0, 294), InvalidColour);  // the client ends at the screen's foot
    Rect box;
    driver.AnswerNext([&](CDialog& dialog) {
        box = dialog.WindowRect();
        // Centred in the 240 x 294 area under the bar.
        EXPECT_LE(std::abs(box.left + box.right - 240), 1);
        EXPECT_LE(std::abs(box.top - 26 - (320 - box.bottom)), 1);
        EXPECT_EQ(At(box.left, box.top), Black);                    // the outline
        EXPECT_EQ(At(box.left + 1, box.top + 1), Navy);             // the caption bar
        EXPECT_EQ(At(box.left + 1, box.top + 19), White);           // the body
        EXPECT_EQ(At(box.right, box.bottom + 1), RGB(64, 64, 64));  // the shadow
        // The OK button, centred at the bottom: outline black with its corners cut, face white.
        const Control* ok = dialog.FindControl(IDOK);
        ASSERT_NE(ok, nullptr);
        const int x = box.left + 1, y = box.top + 19;  // the body's origin
        const Rect b{ok->rect.left + x, ok->rect.top + y, ok->rect.right + x, ok->rect.bottom + y};
        EXPECT_LE(std::abs(b.left + b.right - box.left - box.right), 1);
        EXPECT_EQ(At(b.left + 1, b.top), Black);
        EXPECT_EQ(At(b.left, b.top), White);
        EXPECT_EQ(At(b.left + 2, b.top + 2), White);
        WriteShot("message-box.png");
        Press((b.left + b.right) / 2, (b.top + b.bottom) / 2);
        EXPECT_EQ(At(b.left + 2, b.top + 2), Black) << "held down, the button shows black";
        Release((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    });
    driver.Command(40003);
    EXPECT_EQ(frame->boxResult, IDOK);
    EXPECT_EQ(At(box.left, box.top), Black);  // the frame's pixels are back where the box stood
    EXPECT_EQ(At(70, 146), Grey);
}

TEST_F(Screens, TheOpenMenuHangsUnderItsButtonAndLightsTheHeldItem) {
    CCommandBar& bar = frame->commandBar;
    const Rect button = bar.MenuButtonRect();
    driver.Tap(button.left + 5, button.top + 5 - CommandBarHeight);
    ASSERT_TRUE(bar.IsMenuOpen());
    EXPECT_EQ(At(button.left + 1, button.top + 1), Navy);
    EXPECT_EQ(At(0, 26), Black);  // the popup's outline, its first item at (1, 27)
    const Rect hint = bar.MenuItemRect(3);
    Press(hint.left + 3, hint.top + 3);
    EXPECT_EQ(At(hint.left, hint.top), Navy);
    EXPECT_EQ(At(1, 27), White);  // the first item, not held
    WriteShot("menu-open.png");
    Release(hint.left + 3, hint.top + 3);
    EXPECT_FALSE(bar.IsMenuOpen());
    // Nothing of the popup stays: the frame below it, the button back to the bar's grey.
    EXPECT_EQ(At(1, 27), Black);
    EXPECT_EQ(At(button.left + 1, button.top + 1), BarGrey);
}

TEST_F(Screens, TheDialogFillsTheScreenAndPaintsItsGraphOnThePictureControl) {
    driver.AnswerNext([&](CDialog& dialog) {
        EXPECT_EQ(dialog.WindowRect(), (Rect{0, 0, 240, 320}));
        driver.Wait(60);  // the dialog's one-shot timer paints the graph once more
        EXPECT_EQ(At(5, 5), Navy);
        EXPECT_EQ(At(215, 10), White);  // the caption's "ok"
        // Control 1027 at (5, 54) units is (7, 86) in the client, (8, 105) on the screen;
        // the graph draws its white ground, its axes at x = 3 and y = 72, and red bars.
        EXPECT_EQ(At(11, 110), Black);
        EXPECT_EQ(At(9, 110), White);
        EXPECT_EQ(At(50, 177), Black);
        EXPECT_EQ(At(32, 170), RGB(255, 0, 0));
        EXPECT_EQ(At(34, 170), White);
        // Radio 1018 at (85, 70) units, its ring from client (119, 114), checked: a dot at its
        // centre; 1019 below it is not.
        EXPECT_EQ(At(124, 137), Black);
        EXPECT_EQ(At(124, 153), White);
        WriteShot("dialog.png");
        driver.Click(1019);
        EXPECT_EQ(At(124, 137), White);
        EXPECT_EQ(At(124, 153), Black);
        driver.Click(IDOK);
    });
    driver.Command(40004);
    EXPECT_EQ(frame->dialogResult, IDOK);
    EXPECT_EQ(At(5, 5), BarGrey);
    EXPECT_EQ(At(70, 126), Grey);
}

TEST_F(Screens, TheColourChooserShowsTheCustomColoursAndTheColourChosen) {
    std::array<COLORREF, 16> custom;
    custom.fill(RGB(0, 80, 0));
    CHOOSECOLOR record{.lStructSize = ChooseColorRecordSize,
                       .rgbResult = RGB(128, 0, 0),
                       .lpCustColors = custom.data(),
                       .Flags = CC_RGBINIT | CC_FULLOPEN | CC_SOLIDCOLOR};
    driver.AnswerNext([&](CDialog& chooser) {
        // 228 x 272 with its frame, centred under the bar: its client area starts at (7, 56).
        EXPECT_EQ(chooser.WindowRect(), (Rect{6, 37, 234, 309}));
        EXPECT_EQ(At(20, 205), RGB(0, 80, 0));   // the first custom colour
        EXPECT_EQ(At(20, 290), RGB(128, 0, 0));  // the colour so far, from the record
        // The basic dark red (fourth row, first column) is the colour so far: framed in black.
        EXPECT_EQ(At(12, 127), Black);
        EXPECT_EQ(At(12, 144), White);  // the swatch below it: no frame
        WriteShot("colour-chooser.png");
        driver.Tap(20, 205 - CommandBarHeight);
        EXPECT_EQ(At(20, 290), RGB(0, 80, 0));
        driver.Click(IDOK);
    });
    EXPECT_EQ(ChooseColor(record), 1);
    EXPECT_EQ(record.rgbResult, RGB(0, 80, 0));
}

}  // namespace
}  // namespace velinor
