// The window system's parts that need no window: region, timers, double taps, menus, units.
#include <gtest/gtest.h>

#include "platform/window/controls.h"
#include "platform/window/dialog.h"
#include "platform/window/double_tap.h"
#include "platform/window/menu.h"
#include "platform/window/timer_table.h"
#include "platform/window/update_region.h"
#include "tests/platform/window/sample_app.h"

namespace velinor {
namespace {

TEST(UpdateRegion, KeepsPiecesMergesInsideOnesAndBoundsOverflow) {
    UpdateRegion region;
    region.Add({0, 80, 240, 180});
    region.Add({10, 90, 20, 100});  // inside: nothing new
    region.Add({80, 200, 180, 220});
    region.Add({});
    ASSERT_EQ(region.Rects().size(), 2u);  // the gap between the two pieces stays out
    EXPECT_EQ(region.Rects()[1], (Rect{80, 200, 180, 220}));
    EXPECT_EQ(region.Bounds(), (Rect{0, 80, 240, 220}));

    region.Add({0, 0, 240, 294});  // swallows both
    ASSERT_EQ(region.Rects().size(), 1u);

    UpdateRegion many;
    for (int i = 0; i < 9; ++i)
        many.Add({20 * i, 0, 20 * i + 10, 10});
    ASSERT_EQ(many.Rects().size(), 1u);
    EXPECT_EQ(many.Bounds(), (Rect{0, 0, 170, 10}));
}

struct TimerTableTest : ::testing::Test {
    TimerTable timers;
    CWnd* a = reinterpret_cast<CWnd*>(0x10);
    CWnd* b = reinterpret_cast<CWnd*>(0x20);

    // The timers that fire at `now`, in order.
    std::vector<TimerKey> Fire(uint32_t now) {
        std::vector<TimerKey> fired;
        while (auto key = timers.TakeDue(now))
            fired.push_back(*key);
        return fired;
    }
};

TEST_F(TimerTableTest, FiresAtItsDueTimesOnePeriodApart) {
    timers.Set({a, 1}, 100, 1000);
    EXPECT_TRUE(Fire(1099).empty());
    EXPECT_EQ(timers.TimeToNextDue(1099), 1u);
    EXPECT_EQ(Fire(1100), (std::vector<TimerKey>{{a, 1}}));
    EXPECT_TRUE(Fire(1100).empty());
    EXPECT_EQ(timers.TimeToNextDue(1100), 100u);
    EXPECT_EQ(Fire(1200).size(), 1u);
}

TEST_F(TimerTableTest, AcrossALargeJumpEachTimerFiresOnceAndKeepsItsCadence) {
    timers.Set({a, 1}, 100, 1000);
    timers.Set({b, 1}, 60, 1000);
    auto fired = Fire(1000 + 3600000 + 30);
    // b fell due first (at 1060), so it goes first; each fires once.
    EXPECT_EQ(fired, (std::vector<TimerKey>{{b, 1}, {a, 1}}));
    // b comes next, at its next period boundary (1060 plus a whole number of 60 ms).
    EXPECT_EQ(timers.TimeToNextDue(1000 + 3600000 + 30), 30u);
}

TEST_F(TimerTableTest, KilledTimersAreSilentAndRestartingMovesTheDueTime) {
    timers.Set({a, 1}, 100, 1000);
    timers.Set({a, 2}, 100, 1000);
    EXPECT_TRUE(timers.Kill({a, 1}));
    EXPECT_FALSE(timers.Kill({a, 1}));
    timers.Set({a, 2}, 60, 1050);  // restarted: due 60 ms from now, not at 1100
    EXPECT_TRUE(Fire(1100).empty());
    EXPECT_EQ(Fire(1110), (std::vector<TimerKey>{{a, 2}}));
    timers.KillAll(a);
    EXPECT_FALSE(timers.TimeToNextDue(1110).has_value());
}

TEST_F(TimerTableTest, TiesGoToTheTimerStartedFirstAndShortPeriodsAreRaised) {
    timers.Set({b, 7}, 50, 0);
    timers.Set({a, 3}, 50, 0);
    EXPECT_EQ(Fire(50), (std::vector<TimerKey>{{b, 7}, {a, 3}}));
    timers.KillAll(a);
    timers.KillAll(b);
    timers.Set({a, 9}, 0, 100);
    EXPECT_EQ(timers.TimeToNextDue(100), TimerTable::MinimumPeriod);
}

TEST(DoubleTap, WithinFiveHundredMillisecondsAndFourPixels) {
    const CWnd* window = reinterpret_cast<CWnd*>(0x10);
    const CWnd* other = reinterpret_cast<CWnd*>(0x20);
    struct Case {
        uint32_t after;
        Point at;
        const CWnd* in;
        bool doubleTap;
    };
    const Case cases[] = {
        {500, {104, 204}, window, true}, {501, {100, 200}, window, false},
        {0, {105, 200}, window, false},  {0, {100, 195}, window, false},
        {200, {96, 196}, window, true},  {200, {100, 200}, other, false},
    };
    for (const Case& c : cases) {
        DoubleTapDetector detector;
        EXPECT_FALSE(detector.Press(window, {100, 200}, 1000000));
        EXPECT_EQ(detector.Press(c.in, c.at, 1000000 + c.after), c.doubleTap)
            << c.after << " ms, at " << c.at.x << "," << c.at.y;
    }
}

TEST(DoubleTap, ThePressAfterADoubleTapStartsAfresh) {
    DoubleTapDetector detector;
    const CWnd* window = reinterpret_cast<CWnd*>(0x10);
    EXPECT_FALSE(detector.Press(window, {10, 10}, 100));
    EXPECT_TRUE(detector.Press(window, {10, 10}, 200));
    EXPECT_FALSE(detector.Press(window, {10, 10}, 300));
    EXPECT_TRUE(detector.Press(window, {10, 10}, 400));
}

TEST(Menu, RelabellingByPositionKeepsTheIdentifier) {
    SetResources(test::SampleResources);
    auto menu = LoadMenu(128);
    ASSERT_NE(menu, nullptr);
    CMenu* popup = menu->GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu->GetMenuItemID(0), NoMenuItem);
    for (int p : {0, 2, 3, 4, 6, 7}) {
        uint32_t id = popup->GetMenuItemID(p);
        EXPECT_TRUE(popup->ModifyMenu(p, MF_BYPOSITION | MF_STRING, id, "x" + std::to_string(p)));
    }
    EXPECT_EQ(popup->GetMenuString(2), "x2");
    EXPECT_EQ(popup->GetMenuItemID(2), 40013u);
    EXPECT_EQ(popup->GetMenuString(1), "Pause");
    EXPECT_EQ(popup->GetMenuItemID(7), 40001u);

    // By command, searched through the popups; positions and commands that are not there fail.
    EXPECT_TRUE(menu->ModifyMenu(40004, MF_BYCOMMAND, 40004, "Réglages"));
    EXPECT_EQ(popup->GetMenuString(5), "Réglages");
    EXPECT_FALSE(popup->ModifyMenu(8, MF_BYPOSITION, 1, "none"));
    EXPECT_FALSE(popup->ModifyMenu(12345, MF_BYCOMMAND, 1, "none"));
    EXPECT_EQ(popup->GetMenuItemID(-1), NoMenuItem);
    EXPECT_EQ(LoadMenu(999), nullptr);
}

TEST(DialogUnits, TheOptionsTemplateFitsTheScreen) {
    EXPECT_EQ(DialogUnitsToPixelsX(167), 234);
    EXPECT_EQ(DialogUnitsToPixelsY(174), 278);
    DialogLayout layout = LayoutFromTemplate(test::SampleDialogs[0]);
    EXPECT_EQ(layout.client, (Size{234, 278}));
    for (const Control& c : layout.controls) {
        EXPECT_LE(c.rect.right, 234) << c.id;
        EXPECT_LE(c.rect.bottom, 278) << c.id;
    }
    // Neighbouring controls stay neighbours: edges are rounded, not widths.
    const Control& ok = layout.controls[0];
    const Control& nok = layout.controls[1];
    EXPECT_EQ(ok.rect, (Rect{155, 70, 186, 86}));
    EXPECT_EQ(nok.rect.top - ok.rect.bottom, DialogUnitsToPixelsY(56) - DialogUnitsToPixelsY(54));
}

TEST(DialogUnits, GroupsRunFromOneGroupStartToTheNext) {
    DialogLayout layout = LayoutFromTemplate(test::SampleDialogs[0]);
    using Range = std::pair<size_t, size_t>;
    auto range = [&](size_t i) {
        GroupRange g = GroupOf(layout.controls, i);
        return Range(g.first, g.end);
    };
    EXPECT_EQ(range(3), Range(2, 5));     // 1023 in 1022's group
    EXPECT_EQ(range(7), Range(5, 8));     // 1020: the group ends at the picture
    EXPECT_EQ(range(12), Range(11, 15));  // 1007: with a button and an edit, no radio
    EXPECT_EQ(range(0), Range(0, 2));     // before any group start
    EXPECT_EQ(range(99), Range(18, 18));
}

}  // namespace
}  // namespace velinor
