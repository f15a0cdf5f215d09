// Message tables, default handling, the menu and toolbar, paints and timers.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/headless/headless.h"
#include "tests/platform/window/sample_app.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

using Log = std::vector<std::string>;

void FreeHandler(test::SampleFrame& frame) {
    frame.log.push_back("free");
}

// Over the sample frame's table: two entries for New Game, one for a free function, and a paint
// handler that leaves the paint pending `skips` times before the sample's paint.
class DerivedFrame : public test::SampleFrame {
  public:
    int skips = 0;
    int paints = 0;
    void First() { log.push_back("derived first"); }
    void Second() { log.push_back("derived second"); }
    void LazyPaint() {
        if (++paints > skips) OnPaint();
    }

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<40005, &DerivedFrame::First>,
            OnCommand<40005, &DerivedFrame::Second>,
            OnCommand<1, &FreeHandler>,
            OnMessage<WM_PAINT, &DerivedFrame::LazyPaint>,
        };
        static const MessageMap map{SampleFrame::GetMessageMap(), entries};
        return &map;
    }
};

TEST(Tables, FirstEntryOfTheMostDerivedTableWinsThenTheBases) {
    HeadlessDriver driver;
    DerivedFrame frame;
    for (uint32_t id : {40005, 40013, 1, 4})
        frame.PostMessage(WM_COMMAND, id);
    driver.Wait(0);
    EXPECT_EQ(frame.log, (Log{"derived first", "hint", "free"}));
}

TEST(Tables, APaintLeftPendingComesAgainAndANeverEndingOneIsGivenUp) {
    HeadlessDriver driver;
    for (int skips : {1, 1000000}) {
        DerivedFrame frame;
        frame.skips = skips;
        frame.ShowWindow(SW_SHOW);
        driver.Wait(0);
        EXPECT_EQ(frame.paints, std::min(skips + 1, 64));
        EXPECT_FALSE(frame.NeedsPaint());
    }
}

struct Shell : test::ShellTest {
    // Taps the middle of a rectangle given in screen pixels.
    void TapScreen(const Rect& r) {
        ASSERT_FALSE(r.IsEmpty());
        driver.Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2 - CommandBarHeight);
    }
};

TEST_F(Shell, StartsShownPaintedAndTitledAndExitClosesTheFrameByDefault) {
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(frame->NeedsPaint());
    EXPECT_EQ(driver.Title(), "Velinor");
    driver.Command(40002);  // nobody handles it: nothing happens
    EXPECT_TRUE(frame->HasWindow());
    driver.Command(40001);  // no frame entry: the application's table sends the close
    EXPECT_FALSE(frame->HasWindow());
    EXPECT_FALSE(frame->commandBar.HasWindow());
    EXPECT_TRUE(driver.System().QuitPosted());
    EXPECT_EQ(app.EndInstance(), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

TEST_F(Shell, TheCommandBarSendsCommandsAndRelabelledMenuItemsKeepTheirs) {
    CCommandBar& bar = frame->commandBar;
    for (uint32_t id : {40011, 40014, 40009})
        TapScreen(bar.ButtonRect(id));
    EXPECT_TRUE(bar.ButtonRect(ID_SEPARATOR).IsEmpty());
    EXPECT_EQ(frame->log, (Log{"new game", "hint", "rules"}));
    frame->log.clear();

    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    EXPECT_TRUE(popup->ModifyMenu(2, MF_BYPOSITION | MF_STRING, popup->GetMenuItemID(2), "x"));
    EXPECT_EQ(popup->GetMenuString(2), "x");
    // By command, searched through the popups; positions and commands that are not there fail.
    EXPECT_TRUE(frame->GetMenu()->ModifyMenu(40004, MF_BYCOMMAND, 40004, "Réglages"));
    EXPECT_EQ(popup->GetMenuString(5), "Réglages");
    EXPECT_FALSE(popup->ModifyMenu(8, MF_BYPOSITION, 1, "none"));
    EXPECT_FALSE(popup->ModifyMenu(12345, MF_BYCOMMAND, 1, "none"));
    EXPECT_EQ(popup->GetMenuItemID(-1), NoMenuItem);
    TapScreen(bar.MenuButtonRect());
    ASSERT_TRUE(bar.IsMenuOpen());
    TapScreen(bar.MenuItemRect(2));
    EXPECT_FALSE(bar.IsMenuOpen());

    // A press that slides off its button sends nothing; one from the menu button to an item
    // sends the item's command.
    const Rect pause = bar.ButtonRect(40011), button = bar.MenuButtonRect();
    driver.Press(pause.left + 5, pause.top + 5 - CommandBarHeight);
    driver.Release(pause.left + 5, 100);
    driver.Press(button.left + 5, button.top + 5 - CommandBarHeight);
    const Rect item = bar.MenuItemRect(0);
    driver.Move(item.left + 5, item.top + 5 - CommandBarHeight);
    driver.Release(item.left + 5, item.top + 5 - CommandBarHeight);
    // A press outside the open menu only closes it.
    TapScreen(bar.MenuButtonRect());
    driver.Tap(200, 250);
    EXPECT_FALSE(bar.IsMenuOpen());
    driver.Tap(200, 250);
    EXPECT_EQ(frame->log, (Log{"hint", "new game", "down 200,250", "up 200,250"}));
}

TEST_F(Shell, InvalidationsCoalesceIntoOnePaintOnceTheQueueIsEmpty) {
    frame->PostMessage(WM_COMMAND, 40005);
    Rect a{0, 0, 10, 10};
    frame->InvalidateRect(&a, false);
    frame->Invalidate(false);
    frame->InvalidateRect(&a, true);
    frame->PostMessage(WM_COMMAND, 40013);
    driver.Wait(0);
    EXPECT_EQ(frame->log, (Log{"new game", "hint", "paint"}));

    frame->Invalidate(false);
    frame->UpdateWindow();  // paints at once, before anything is pumped
    EXPECT_EQ(frame->log.back(), "paint");
    frame->UpdateWindow();  // nothing waits: no paint
    EXPECT_EQ(frame->log.size(), 4u);
}

TEST_F(Shell, APaintReachesTheScreenOnlyInsideTheInvalidatedRegion) {
    const COLORREF red = RGB(255, 0, 0);
    frame->painter = [](CPaintDC& dc) {
        FillRect(dc.Context(), {-50, -50, 500, 500}, CreateSolidBrush(RGB(255, 0, 0)));
    };
    Rect a{0, 80, 240, 180};
    Rect b{80, 200, 180, 220};
    frame->InvalidateRect(&a, false);
    frame->InvalidateRect(&b, false);
    driver.Wait(0);
    for (Point p : {Point{0, 80}, Point{239, 179}, Point{80, 200}, Point{179, 219}})
        EXPECT_EQ(driver.ReadPixel(p.x, p.y), red) << p.x << "," << p.y;
    for (Point p : {Point{0, 79}, Point{100, 190}, Point{79, 210}, Point{180, 210}, Point{100, 220},
                    Point{5, -5}})
        EXPECT_NE(driver.ReadPixel(p.x, p.y), red) << p.x << "," << p.y;

    // Erasing fills the region with the background before the paint; without, what was there
    // stays for the paint to draw over.
    frame->painter = nullptr;
    frame->InvalidateRect(&b, false);
    driver.Wait(0);
    EXPECT_EQ(driver.ReadPixel(100, 210), red);
    frame->InvalidateRect(&b, true);
    driver.Wait(0);
    EXPECT_EQ(driver.ReadPixel(100, 210), RGB(255, 255, 255));
    EXPECT_EQ(driver.ReadPixel(100, 100), red);
}

TEST_F(Shell, TimersFireAtTheirDueTimesAndKilledOnesStaySilent) {
    const uint32_t start = driver.Now();
    frame->SetTimer(1, 100);
    frame->SetTimer(2, 60);
    driver.Wait(250);
    auto at = [&](int id, uint32_t after) {
        return "timer " + std::to_string(id) + " at " + std::to_string(start + after);
    };
    EXPECT_EQ(frame->log,
              (Log{at(2, 60), at(1, 100), at(2, 120), at(2, 180), at(1, 200), at(2, 240)}));
    EXPECT_EQ(driver.Now(), start + 250);

    frame->log.clear();
    EXPECT_TRUE(frame->KillTimer(2));
    EXPECT_FALSE(frame->KillTimer(2));
    driver.Wait(100);
    // The clock leaps ten minutes: the timer fires once, then keeps its cadence.
    driver.JumpClock(600000);
    driver.Wait(50);
    EXPECT_EQ(frame->log, (Log{at(1, 300), at(1, 600350), at(1, 600400)}));
}

}  // namespace
}  // namespace velinor
