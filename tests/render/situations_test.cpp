// One frame per situation of the main window: the texts of the band, the banner, the board
// shown or hidden.
#include <gtest/gtest.h>

#include "render/layout.h"
#include "tests/render/pixel_checks.h"
#include "tests/render/situations.h"

namespace velinor::test {
namespace {

constexpr COLORREF LineOK = RGB(0, 80, 0);
constexpr COLORREF LineVI = RGB(128, 0, 0);
constexpr COLORREF Yellow = RGB(255, 255, 0);
constexpr Rect PauseBar{75, 100, 166, 115};
constexpr Rect Below{0, 30, 240, 294};

class Frames : public ::testing::Test {
  protected:
    void Show(const char* name) { PaintSituation(rig, name); }
    PaintRig rig;
};

TEST_F(Frames, NewGameUntouched) {
    Show("new-game");
    EXPECT_TRUE(BandShows(rig.Window(), {{"Connect symbols", StatusRect, TextCentre, Cyan},
                                         {"1'30\"0", BestTimeRect, TextLeft, Magenta}}));
    // The 8 x 8 board at (40, 70): endpoints in lineOK, every other cell plain.
    EXPECT_TRUE(CellShows(rig, 0, 0, ExpectedCell({.label = 6, .c = LineOK})));
    EXPECT_TRUE(CellShows(rig, 1, 0, ExpectedCell({})));
    EXPECT_TRUE(BlackIn(rig.Window(), Below, {40, 70, 200, 230}));
}

TEST_F(Frames, RulesExampleLoaded) {
    Show("rules-example");
    EXPECT_TRUE(
        BandShows(rig.Window(), {{"Finish the game, connect symbols", StatusRect, TextCentre, Cyan},
                                 {"45\"6", BestTimeRect, TextLeft, Magenta}}));
    // The 5 x 5 example at (70, 100) in pictograms; the line of 2 is still to draw.
    EXPECT_TRUE(CellShows(rig, 1, 0, ExpectedCell({.label = 1, .symbolSet = 2, .c = LineOK})));
    EXPECT_TRUE(CellShows(rig, 0, 0, ExpectedCell({.tile = 6})));
    EXPECT_TRUE(CellShows(rig, 1, 1, ExpectedCell({})));
    EXPECT_TRUE(BlackIn(rig.Window(), Below, {70, 100, 170, 200}));
}

TEST_F(Frames, PlayingWithMarkedLines) {
    Show("playing");
    EXPECT_EQ(rig.state.clockEnd, rig.driver.Now());
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'5\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'50\"3", PenaltyRect, TextRight, Cyan}}));
    // The stylus cell, empty, inverted; the line under the stylus in yellow strokes.
    EXPECT_TRUE(CellShows(rig, 4, 2, ExpectedCell({.inverted = true})));
    EXPECT_TRUE(CellShows(
        rig, 5, 2, ExpectedCell({.tile = 2, .c = Yellow, .strokes = {LeftStroke, RightStroke}})));
    EXPECT_TRUE(CellShows(rig, 1, 1, ExpectedCell({.label = 2, .symbolSet = 1, .c = Yellow})));
    // The revealed line in cyan, the faulty one in lineVI, the others by their grooves.
    EXPECT_TRUE(CellShows(rig, 0, 1,
                          ExpectedCell({.tile = 1, .c = Cyan, .strokes = {UpStroke, DownStroke}})));
    EXPECT_TRUE(CellShows(rig, 2, 0, ExpectedCell({.label = 17, .symbolSet = 1, .c = Cyan})));
    EXPECT_TRUE(CellShows(
        rig, 4, 9, ExpectedCell({.tile = 5, .c = LineVI, .strokes = {LeftStroke, DownStroke}})));
    EXPECT_TRUE(CellShows(rig, 2, 5, ExpectedCell({.label = 8, .symbolSet = 1, .c = LineVI})));
    EXPECT_TRUE(CellShows(rig, 3, 6, ExpectedCell({.tile = 6})));
    EXPECT_TRUE(CellShows(rig, 3, 7, ExpectedCell({.label = 16, .symbolSet = 1, .c = LineOK})));
}

TEST_F(Frames, HintAwaitedInFrench) {
    Show("hint-awaited");
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'5\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'50\"3", PenaltyRect, TextRight, Cyan},
                                         {"Sélectionnez une case", StatusRect, TextLeft, Cyan}}));
    EXPECT_TRUE(CellShows(rig, 4, 2, ExpectedCell({.inverted = true})));
}

TEST_F(Frames, PausedHidesTheBoardAndFreezesTheClock) {
    Show("paused");
    EXPECT_EQ(rig.state.clockEnd, rig.state.clockStart + PlayedMs);
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'5\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'50\"3", PenaltyRect, TextRight, Cyan}}));
    EXPECT_TRUE(BannerShows(rig.Window(), 147, PauseBar, 0, Red, Black));
    EXPECT_TRUE(BlackIn(rig.Window(), Below, PauseBar));
}

TEST_F(Frames, FinishedPerfectShowsTheSolutionUnderItsBanner) {
    Show("finished-perfect");
    const Rect banner{90, 13, 155, 26};
    EXPECT_TRUE(BandShows(
        rig.Window(),
        {{"1'30\"0", BestTimeRect, TextLeft, Magenta}, {"1'23\"4", ClockRect, TextRight, Green}},
        banner));
    EXPECT_TRUE(BannerShows(rig.Window(), 114, banner, 13, Black, Green));
    // The player left (3, 1) empty; the solution has a corner there.
    EXPECT_TRUE(CellShows(rig, 3, 1, ExpectedCell({.tile = 6})));
}

TEST_F(Frames, FinishedAcceptedInFrench) {
    Show("finished-accepted");
    const Rect banner{40, 13, 196, 31};
    EXPECT_TRUE(BandShows(
        rig.Window(),
        {{"1'30\"0", BestTimeRect, TextLeft, Magenta}, {"1'23\"4", ClockRect, TextRight, Green}},
        banner));
    EXPECT_TRUE(BannerShows(rig.Window(), 115, banner, 0, Black, RGB(128, 255, 255)));
}

TEST_F(Frames, FinishedWithPenaltyShowsNoBanner) {
    Show("finished-shown");
    EXPECT_TRUE(BandShows(rig.Window(), {{"1'30\"0", BestTimeRect, TextLeft, Magenta},
                                         {"1'23\"4", ClockRect, TextRight, Green},
                                         {"+ 5 x 15\" = 2'38\"4", PenaltyRect, TextRight, Cyan}}));
    EXPECT_TRUE(CellShows(rig, 3, 1, ExpectedCell({.tile = 6})));
}

TEST_F(Frames, FinishedWhileTheStylusIsHeldShowsThePlayersLines) {
    Show("finished-proposal");
    EXPECT_TRUE(BandShows(rig.Window(), {{"1'30\"0", BestTimeRect, TextLeft, Magenta},
                                         {"1'23\"4", ClockRect, TextRight, Green},
                                         {"+ 5 x 15\" = 2'38\"4", PenaltyRect, TextRight, Cyan},
                                         {"Your proposal", StatusRect, TextLeft, Green}}));
    EXPECT_TRUE(CellShows(rig, 3, 1, ExpectedCell({})));
}

TEST_F(Frames, MissingBitmapsLeaveTheBoardOutWithAMessage) {
    Show("bitmaps-missing");
    EXPECT_TRUE(
        BandShows(rig.Window(), {{"1'30\"0", BestTimeRect, TextLeft, Magenta},
                                 {"1'5\"3", ClockRect, TextRight, Green},
                                 {"panique sur les bitmaps!", StatusRect, TextRight, Red}}));
    EXPECT_TRUE(BlackIn(rig.Window(), Below));
}

}  // namespace
}  // namespace velinor::test
