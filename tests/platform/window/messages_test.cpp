// Message tables, default handling, the menu and toolbar, paints and timers.
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

class BaseFrame : public CFrameWnd {
  public:
    BaseFrame() { LoadFrame(0); }
    Log log;
    void A() { log.push_back("base A"); }
    void B() { log.push_back("base B"); }

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<1, &BaseFrame::A>,
            OnCommand<2, &BaseFrame::B>,
        };
        static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
        return &map;
    }
};

void FreeHandler(BaseFrame& frame) {
    frame.log.push_back("free");
}

class DerivedFrame : public BaseFrame {
  public:
    void C() { log.push_back("derived C"); }
    void D() { log.push_back("derived D"); }

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<2, &DerivedFrame::C>,
            OnCommand<2, &DerivedFrame::D>,
            OnCommand<3, &FreeHandler>,
        };
        static const MessageMap map{BaseFrame::GetMessageMap(), entries};
        return &map;
    }
};

TEST(Tables, FirstEntryOfTheMostDerivedTableWinsThenTheBases) {
    HeadlessDriver driver;
    DerivedFrame frame;
    for (uint32_t id : {2, 1, 3, 4})
        frame.PostMessage(WM_COMMAND, id);
    driver.Wait(0);
    EXPECT_EQ(frame.log, (Log{"derived C", "base A", "free"}));
}

// A frame whose paint handler leaves the paint pending a number of times before painting.
class LazyFrame : public CFrameWnd {
  public:
    explicit LazyFrame(int skips) : skips_(skips) {
        LoadFrame(0);
        ShowWindow(SW_SHOW);
    }
    int paints = 0;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {OnMessage<WM_PAINT, &LazyFrame::OnPaint>};
        static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnPaint() {
        if (++paints <= skips_) return;
        CPaintDC dc(this);
    }
    int skips_;
};

TEST(Tables, APaintLeftPendingComesAgainAndANeverEndingOneIsGivenUp) {
    HeadlessDriver driver;
    LazyFrame once(1);
    driver.Wait(0);
    EXPECT_EQ(once.paints, 2);
    once.DestroyWindow();

    LazyFrame never(1000000);
    driver.Wait(0);
    EXPECT_EQ(never.paints, 64);
    EXPECT_FALSE(never.NeedsPaint());
}

struct Shell : test::ShellTest {
    // Taps the middle of a rectangle given in screen pixels.
    void TapScreen(const Rect& r) {
        ASSERT_FALSE(r.IsEmpty());
        driver.Tap((r.left + r.right) / 2, (r.top + r.bottom) / 2 - CommandBarHeight);
    }
};

TEST_F(Shell, StartsShownPaintedAndTitled) {
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_FALSE(frame->NeedsPaint());
    EXPECT_EQ(driver.Title(), "Velinor");
    Rect client;
    frame->GetClientRect(client);
    EXPECT_EQ(client, (Rect{0, 0, 240, 294}));
}

TEST_F(Shell, UnhandledCloseAndExitCloseTheFrameAndEndTheLoop) {
    driver.Command(40001);  // no frame entry: the application's table sends the close
    EXPECT_FALSE(frame->HasWindow());
    EXPECT_FALSE(frame->commandBar.HasWindow());
    EXPECT_TRUE(driver.System().QuitPosted());
    EXPECT_EQ(app.EndInstance(), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

TEST_F(Shell, CloseRequestWithoutAHandlerDestroysTheFrame) {
    driver.Command(40002);  // nobody handles it: nothing happens
    EXPECT_TRUE(frame->HasWindow());
    driver.Close();
    EXPECT_FALSE(frame->HasWindow());
    EXPECT_TRUE(driver.System().QuitPosted());
}

TEST_F(Shell, ToolbarButtonsSendTheirCommands) {
    CCommandBar& bar = frame->commandBar;
    TapScreen(bar.ButtonRect(40011));
    TapScreen(bar.ButtonRect(40014));
    TapScreen(bar.ButtonRect(40009));
    EXPECT_EQ(frame->log, (Log{"new game", "hint", "rules"}));
    EXPECT_TRUE(bar.ButtonRect(ID_SEPARATOR).IsEmpty());

    // A press that slides off its button sends nothing.
    Rect pause = bar.ButtonRect(40011);
    driver.Press(pause.left + 5, pause.top + 5 - CommandBarHeight);
    driver.Move(pause.left + 5, 100);
    driver.Release(pause.left + 5, 100);
    EXPECT_EQ(frame->log.size(), 3u);
}

TEST_F(Shell, MenuItemsRelabelledByPositionKeepTheirCommands) {
    CMenu* popup = frame->GetMenu()->GetSubMenu(0);
    popup->ModifyMenu(2, MF_BYPOSITION | MF_STRING, popup->GetMenuItemID(2), "Suggestion");
    CCommandBar& bar = frame->commandBar;
    TapScreen(bar.MenuButtonRect());
    ASSERT_TRUE(bar.IsMenuOpen());
    TapScreen(bar.MenuItemRect(2));
    EXPECT_FALSE(bar.IsMenuOpen());
    EXPECT_EQ(frame->log, (Log{"hint"}));

    // Press on the menu button, slide to an item and let go there.
    Rect button = bar.MenuButtonRect();
    driver.Press(button.left + 5, button.top + 5 - CommandBarHeight);
    Rect item = bar.MenuItemRect(0);
    driver.Move(item.left + 5, item.top + 5 - CommandBarHeight);
    driver.Release(item.left + 5, item.top + 5 - CommandBarHeight);
    EXPECT_EQ(frame->log, (Log{"hint", "new game"}));
}

TEST_F(Shell, APressOutsideTheOpenMenuOnlyClosesIt) {
    CCommandBar& bar = frame->commandBar;
    TapScreen(bar.MenuButtonRect());
    ASSERT_TRUE(bar.IsMenuOpen());
    driver.Tap(200, 250);
    EXPECT_FALSE(bar.IsMenuOpen());
    EXPECT_TRUE(frame->log.empty());
    driver.Tap(200, 250);
    EXPECT_EQ(frame->log, (Log{"down 200,250", "up 200,250"}));
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
    EXPECT_EQ(driver.ReadPixel(0, 80), red);
    EXPECT_EQ(driver.ReadPixel(239, 179), red);
    EXPECT_EQ(driver.ReadPixel(80, 200), red);
    EXPECT_EQ(driver.ReadPixel(179, 219), red);
    for (Point p : {Point{0, 79}, Point{100, 190}, Point{79, 210}, Point{180, 210}, Point{100, 220},
                    Point{5, -5}}) {
        EXPECT_NE(driver.ReadPixel(p.x, p.y), red) << p.x << "," << p.y;
    }

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
    EXPECT_EQ(frame->log, (Log{at(1, 300)}));

    // The clock leaps ten minutes: the timer fires once, then keeps its cadence.
    frame->log.clear();
    driver.JumpClock(600000);
    EXPECT_EQ(frame->log, (Log{at(1, 600350)}));
    driver.Wait(50);
    EXPECT_EQ(frame->log, (Log{at(1, 600350), at(1, 600400)}));
}

}  // namespace
}  // namespace velinor
