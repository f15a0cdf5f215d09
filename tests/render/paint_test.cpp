// How much each redraw mode paints and copies, the texts of the band, the banners' rules, and
// what a paint leaves behind when bitmaps are missing or the buffer does not exist yet. Every
// situation's whole frame is pinned by its golden frame (tests/golden/<situation>.png).
#include <gtest/gtest.h>

#include <vector>

#include "platform/resources/resources.h"
#include "render/layout.h"
#include "tests/render/pixel_checks.h"
#include "tests/render/situations.h"
#include "tests/support/golden.h"

namespace velinor::test {
namespace {

constexpr Rect Below{0, 30, 240, 294};

// The band of the 12 x 12 game in play with the clock at `clock`.
std::vector<BandText> PlayingBand(const char* clock, const char* penalty) {
    return {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
            {clock, ClockRect, TextRight, Green},
            {penalty, PenaltyRect, TextRight, Cyan}};
}

TEST(GoldenFrames, EverySituation) {
    for (const Situation& s : Situations()) {
        PaintRig rig;
        PaintSituation(rig, s.name);
        EXPECT_TRUE(MatchesGolden(s.name, rig.Window()));
    }
}

TEST(Redraw, StatusModeRepaintsAndCopiesOnlyTheBand) {
    PaintRig rig;
    PaintSituation(rig, "playing");
    const Bitmap window = rig.Window();
    PatBlt(rig.offscreen.buffer, 0, 30, 240, 264, Rop::Whiteness);
    rig.board.player = {};  // a full paint would show an empty board
    rig.state.clockStart -= 1000;
    rig.Paint(RedrawStatus);
    EXPECT_EQ(rig.BufferAt(100, 30), RGB(255, 255, 255));
    EXPECT_TRUE(SameIn(rig.Window(), window, Below));
    EXPECT_TRUE(BandShows(rig.Window(), PlayingBand("1'6\"3", "+ 11 x 15\" = 3'51\"3")));
}

TEST(Redraw, IncrementalModeRepaintsTheBandAndTheThreeStrokeCellsWithOnePenEach) {
    PaintRig rig;
    uint64_t pens = CreatedPenCount();
    PaintSituation(rig, "playing");
    // 13 pieces of the line under the stylus, 11 revealed, 6 marked by the check.
    EXPECT_EQ(CreatedPenCount() - pens, 30u);
    EXPECT_EQ(rig.offscreen.buffer.SelectedPen().colour, Pen{}.colour);
    EXPECT_EQ(rig.offscreen.buffer.SelectedBrush().colour, Brush{}.colour);
    const Bitmap before = rig.Window();
    // The stroke moves on from (4, 2) to (3, 2); a change elsewhere waits for a full paint.
    rig.board.player[CellIndex(4, 2)] = -24;
    rig.board.player[CellIndex(0, 11)] = 0;
    rig.board.traceMarks[CellIndex(3, 2)] = 1;
    rig.state.previous = {4, 2};
    rig.state.current = {3, 2};
    rig.state.clockStart -= 1000;
    pens = CreatedPenCount();
    rig.Paint(RedrawIncremental);
    EXPECT_LE(CreatedPenCount() - pens, 3u);
    EXPECT_TRUE(SameIn(rig.Window(), before, Below, {60, 70, 100, 90}));
    EXPECT_TRUE(CellShows(rig, 3, 2, {.inverted = true}));
    EXPECT_TRUE(
        CellShows(rig, 4, 2, {.tile = 2, .c = Yellow, .strokes = {LeftStroke, RightStroke}}));
    EXPECT_TRUE(BandShows(rig.Window(), PlayingBand("1'6\"3", "+ 11 x 15\" = 3'51\"3")));
}

TEST(Status, BestTimeNeedsOneOfTheCurrentPlayersOwn) {
    const struct {
        int16_t player;
        int32_t difficulty;
        int32_t first, second;  // players 0 and 1
        const char* text;       // "": none
    } cases[] = {
        {0, 1, 0, 5000, ""},
        {0, 1, 5000, 0, "5\"0"},
        {0, 1, 5000, 5000, "5\"0"},
        {0, 1, 3000, 5000, "3\"0"},
        {0, 1, 5000, 3000, "3\"0 (5\"0)"},
        {1, 1, 4000, 7000, "4\"0 (7\"0)"},
        {1, 2, 4000, 7000, ""},  // the times kept are for medium
        {2, 1, 4000, 7000, ""},  // players and difficulties out of range name no times
        {0, -1, 4000, 7000, ""},
    };
    for (const auto& c : cases) {
        PaintRig rig;
        rig.settings.player = c.player;
        rig.settings.difficulty = c.difficulty;
        rig.settings.stats[0][1].besttime = c.first;
        rig.settings.stats[1][1].besttime = c.second;
        rig.Paint(RedrawFull);
        EXPECT_TRUE(
            BandShows(rig.Window(), {{c.text, BestTimeRect, TextLeft, Magenta}}, {0, 15, 240, 30}))
            << c.player << " " << c.first << " " << c.second;
    }
}

// The golden frames pin the perfect banner, the accepted one in French and none after a penalty;
// left are the accepted banner in English and none over the player's own proposal.
TEST(Banners, AcceptedInEnglishAndNoneOverTheProposal) {
    auto paint = [](SelectMode select, bool loads) -> Bitmap {
        SetBitmapLoadFails(115, !loads);
        PaintRig rig;
        PaintSituation(rig, "finished-accepted");
        rig.settings.language = 0;
        rig.state.selectMode = select;
        rig.Paint(RedrawFull);
        SetBitmapLoadFails(115, false);
        return rig.Window();
    };
    const Bitmap shown = paint(SelectNone, true), bare = paint(SelectNone, false);
    const Rect at{40, 13, 196, 30};
    EXPECT_TRUE(BannerShows(shown, 115, at, 19, Black, RGB(128, 255, 255)));
    EXPECT_TRUE(SameIn(shown, bare, {0, 0, 240, at.top}));
    EXPECT_TRUE(SameIn(shown, bare, {0, at.bottom, 240, 294}));
    EXPECT_TRUE(SameIn(paint(SelectProposal, true), paint(SelectProposal, false), WholeWindow));
}

TEST(Failures, PauseBannerOrGlyphsMissingLeaveTheBoardOut) {
    {
        PaintRig rig;
        SetBitmapLoadFails(147, true);
        PaintSituation(rig, "paused");
        SetBitmapLoadFails(147, false);
        EXPECT_EQ(CountIn(rig.Window(), Below, NotBlack), 0);
        EXPECT_TRUE(BandShows(rig.Window(), PlayingBand("1'5\"3", "+ 11 x 15\" = 3'50\"3")));
    }
    PaintRig rig;
    SetBitmapLoadFails(137, true);
    DestroyOffscreen(rig.offscreen);
    CreateOffscreen(rig.offscreen, 240, 294);
    SetBitmapLoadFails(137, false);
    PaintSituation(rig, "new-game");
    EXPECT_TRUE(
        BandShows(rig.Window(), {{"1'30\"0", BestTimeRect, TextLeft, Magenta},
                                 {"Connect symbols", StatusRect, TextCentre, Cyan},
                                 {"panique sur les bitmaps!", StatusRect, TextRight, Red}}));
    EXPECT_EQ(CountIn(rig.Window(), Below, NotBlack), 0);
}

TEST(Failures, PaintBeforeTheBufferExistsDrawsNothing) {
    PaintRig rig;
    PaintSituation(rig, "playing");
    const Bitmap window = rig.Window();
    DestroyOffscreen(rig.offscreen);
    rig.Paint(RedrawFull);
    EXPECT_TRUE(SameIn(rig.Window(), window, WholeWindow));
    EXPECT_FALSE(rig.frame.NeedsPaint());
}

}  // namespace
}  // namespace velinor::test
