// Message tables, paints and timers; the menu, toolbar and Exit are checked through the program.
#include <algorithm>

#include <gtest/gtest.h>

#include "platform/gdi/gdi.h"
#include "platform/headless/headless.h"
#include "tests/platform/window/shell_fixture.h"

namespace velinor {
namespace {

using test::Log;

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

using Shell = test::ShellTest<HeadlessDriver>;

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
    // x, y, inside: the corners of both rectangles, then just beside them.
    const int probes[][3] = {{0, 80, 1},    {239, 179, 1}, {80, 200, 1}, {179, 219, 1},
                             {0, 79, 0},    {100, 190, 0}, {79, 210, 0}, {180, 210, 0},
                             {100, 220, 0}, {5, -5, 0}};
    for (const auto& [x, y, inside] : probes)
        EXPECT_EQ(driver.ReadPixel(x, y) == red, inside != 0) << x << "," << y;
    // Only an erasing invalidation fills the region with the background before the paint.
    frame->painter = nullptr;
    frame->InvalidateRect(&b, false);
    driver.Wait(0);
    EXPECT_EQ(driver.ReadPixel(100, 210), red);
    frame->InvalidateRect(&b, true);
    frame->InvalidateRect(&b, false);  // a plain one after it keeps the erase
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
