// How much each redraw mode paints and copies, the texts of the band, the banners' rules, and
// what a paint leaves behind when bitmaps are missing or the buffer does not exist yet.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/resources/resources.h"
#include "render/layout.h"
#include "tests/render/pixel_checks.h"
#include "tests/render/situations.h"

namespace velinor::test {
namespace {

constexpr Rect Band{0, 0, 240, 30};
constexpr Rect Below{0, 30, 240, 294};

TEST(Redraw, StatusModeRepaintsAndCopiesOnlyTheBand) {
    PaintRig rig;
    PaintSituation(rig, "playing");
    const Bitmap window = rig.Window();
    SetPixel(rig.offscreen.buffer, 100, 100, RGB(255, 255, 255));
    rig.board.player = {};  // a full paint would show an empty board
    rig.state.clockStart -= 1000;
    rig.Paint(RedrawStatus);
    EXPECT_EQ(rig.BufferAt(100, 100), RGB(255, 255, 255));
    EXPECT_TRUE(SameIn(rig.Window(), window, Below));
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'6\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'51\"3", PenaltyRect, TextRight, Cyan}}));
}

TEST(Redraw, IncrementalModeRepaintsTheBandAndTheThreeStrokeCells) {
    PaintRig rig;
    PaintSituation(rig, "playing");
    const Bitmap before = rig.Window();
    // The stroke moves on from (4, 2) to (3, 2); a change elsewhere waits for a full paint.
    rig.board.player[CellIndex(4, 2)] = -24;
    rig.board.player[CellIndex(0, 11)] = 0;
    rig.board.traceMarks[CellIndex(3, 2)] = 1;
    rig.state.previous = {4, 2};
    rig.state.current = {3, 2};
    rig.state.clockStart -= 1000;
    const uint64_t pens = CreatedPenCount();
    rig.Paint(RedrawIncremental);
    EXPECT_LE(CreatedPenCount() - pens, 3u);
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y) {
            const Rect cell{20 * x, 30 + 20 * y, 20 * x + 20, 50 + 20 * y};
            if (y != 2 || (x != 3 && x != 4)) {
                EXPECT_TRUE(SameIn(rig.Window(), before, cell)) << x << ", " << y;
            }
        }
    EXPECT_TRUE(CellShows(rig, 3, 2, ExpectedCell({.inverted = true})));
    EXPECT_TRUE(CellShows(
        rig, 4, 2,
        ExpectedCell({.tile = 2, .c = RGB(255, 255, 0), .strokes = {LeftStroke, RightStroke}})));
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'6\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'51\"3", PenaltyRect, TextRight, Cyan}}));
}

TEST(Redraw, OnePenPerStrokedCellAndNothingLeftSelected) {
    PaintRig rig;
    const uint64_t pens = CreatedPenCount();
    PaintSituation(rig, "playing");
    // 13 pieces of the line under the stylus, 11 revealed, 6 marked by the check.
    EXPECT_EQ(CreatedPenCount() - pens, 30u);
    const DC& buffer = rig.offscreen.buffer;
    EXPECT_EQ(buffer.SelectedPen().colour, Pen{}.colour);
    EXPECT_EQ(buffer.SelectedBrush().colour, Brush{}.colour);
    EXPECT_EQ(rig.offscreen.glyphSurface.SelectedBitmap(), &*rig.offscreen.glyphStrip);
    EXPECT_EQ(rig.offscreen.tileSurface.SelectedBitmap(), &*rig.offscreen.cellTiles);
}

TEST(Status, TextsByLanguageAndState) {
    const struct {
        int32_t language;
        uint16_t exampleMode;
        bool touched;
        SelectMode select;
        std::vector<BandText> texts;
    } cases[] = {
        {1, 0, false, SelectNone, {{"Connectez les symboles", StatusRect, TextCentre, Cyan}}},
        {1,
         1,
         false,
         SelectNone,
         {{"Terminez le jeu, connectez les symboles", StatusRect, TextCentre, Cyan}}},
        {0,
         0,
         true,
         SelectHintCell,
         {{"3\"0", ClockRect, TextRight, Green},
          {"+ 2 x 15\" = 33\"0", PenaltyRect, TextRight, Cyan},
          {"Select one cell", StatusRect, TextLeft, Cyan}}},
        {1,
         0,
         true,
         SelectProposal,
         {{"3\"0", ClockRect, TextRight, Green},
          {"+ 2 x 15\" = 33\"0", PenaltyRect, TextRight, Cyan},
          {"Votre proposition", StatusRect, TextLeft, Green}}},
        // The rules' example shows neither clock nor penalty line.
        {0, 1, true, SelectNone, {}},
    };
    for (const auto& c : cases) {
        PaintRig rig;
        rig.settings.language = c.language;
        rig.state.exampleMode = c.exampleMode;
        rig.state.clockStart = c.touched ? rig.driver.Now() - 3000 : 0;
        rig.state.penaltyCells = 2;
        rig.state.selectMode = c.select;
        rig.Paint(RedrawFull);
        EXPECT_TRUE(BandShows(rig.Window(), c.texts))
            << c.language << " " << c.exampleMode << " " << c.touched;
    }
}

TEST(Status, BestTimeNeedsOneOfTheCurrentPlayersOwn) {
    const struct {
        int16_t player;
        int32_t difficulty;
        int32_t first, second;  // players 0 and 1
        const char* text;       // nullptr: none
    } cases[] = {
        {0, 1, 0, 5000, nullptr},          {0, 1, 5000, 0, "5\"0"},
        {0, 1, 5000, 5000, "5\"0"},        {0, 1, 3000, 5000, "3\"0"},
        {0, 1, 5000, 3000, "3\"0 (5\"0)"}, {1, 1, 4000, 7000, "4\"0 (7\"0)"},
        {1, 2, 4000, 7000, nullptr},  // the times kept are for medium
        {2, 1, 4000, 7000, nullptr},  // players and difficulties out of range name no times
        {0, -1, 4000, 7000, nullptr},
    };
    for (const auto& c : cases) {
        PaintRig rig;
        rig.settings.player = c.player;
        rig.settings.difficulty = c.difficulty;
        rig.settings.stats[0][1].besttime = c.first;
        rig.settings.stats[1][1].besttime = c.second;
        rig.Paint(RedrawFull);
        const Rect top{0, 0, 240, 15};
        if (c.text == nullptr)
            EXPECT_TRUE(BlackIn(rig.Window(), top))
                << c.player << " " << c.first << " " << c.second;
        else
            EXPECT_TRUE(BandShows(rig.Window(), {{c.text, BestTimeRect, TextLeft, Magenta}},
                                  {0, 15, 240, 30}))
                << c.text;
    }
}

// A finished game's window, painted with the end banners as they load or with both failing.
Bitmap FinishedWindow(const std::function<void(PaintRig&)>& setUp, bool banners) {
    for (int id : {114, 115})
        SetBitmapLoadFails(id, !banners);
    PaintRig rig;
    setUp(rig);
    rig.Paint(RedrawFull);
    for (int id : {114, 115})
        SetBitmapLoadFails(id, false);
    return rig.Window();
}

TEST(Banners, OnlyAfterAGameWithoutPenalty) {
    const struct {
        int16_t endCheck;
        uint32_t penaltyCells;
        SelectMode select;
        int32_t language;
        int id;  // 0: no banner
        Rect at;
        int fromY;
        COLORREF letters;
    } cases[] = {
        {0, 0, SelectNone, 0, 114, {90, 13, 155, 26}, 13, Green},
        {0, 0, SelectNone, 1, 114, {90, 13, 155, 26}, 0, Green},
        {0, 0, SelectProposal, 0, 114, {90, 13, 155, 26}, 13, Green},
        {-1, 0, SelectNone, 0, 115, {40, 13, 196, 30}, 19, RGB(128, 255, 255)},
        {-1, 0, SelectNone, 1, 115, {40, 13, 196, 31}, 0, RGB(128, 255, 255)},
        {-1, 0, SelectProposal, 0, 0, {}, 0, 0},
        {0, 3, SelectNone, 0, 0, {}, 0, 0},
        {1, 5, SelectNone, 0, 0, {}, 0, 0},
    };
    for (const auto& c : cases) {
        const auto setUp = [&](PaintRig& rig) {
            PaintSituation(rig, "finished-shown");
            rig.state.endCheck = c.endCheck;
            rig.state.penaltyCells = c.penaltyCells;
            rig.state.selectMode = c.select;
            rig.settings.language = c.language;
        };
        // Where the frames differ is the banner.
        const Bitmap shown = FinishedWindow(setUp, true), skipped = FinishedWindow(setUp, false);
        SCOPED_TRACE(c.endCheck * 100 + c.penaltyCells * 10 + c.select);
        if (c.id == 0) {
            EXPECT_TRUE(SameIn(shown, skipped, {0, 0, 240, 294}));
            continue;
        }
        EXPECT_TRUE(BannerShows(shown, c.id, c.at, c.fromY, Black, c.letters));
        const Rect above{0, 0, 240, c.at.top}, below{0, c.at.bottom, 240, 294};
        EXPECT_TRUE(SameIn(shown, skipped, above));
        EXPECT_TRUE(SameIn(shown, skipped, below));
    }
}

TEST(Failures, PauseBannerMissingLeavesTheBoardHidden) {
    PaintRig rig;
    SetBitmapLoadFails(147, true);
    PaintSituation(rig, "paused");
    SetBitmapLoadFails(147, false);
    EXPECT_TRUE(BlackIn(rig.Window(), Below));
    EXPECT_TRUE(BandShows(rig.Window(), {{"2'30\"0 (3'20\"0)", BestTimeRect, TextLeft, Magenta},
                                         {"1'5\"3", ClockRect, TextRight, Green},
                                         {"+ 11 x 15\" = 3'50\"3", PenaltyRect, TextRight, Cyan}}));
}

TEST(Failures, GlyphStripMissingLeavesTheBoardOut) {
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
    EXPECT_TRUE(BlackIn(rig.Window(), Below));
}

TEST(Failures, PaintBeforeTheBufferExistsDrawsNothing) {
    PaintRig rig;
    PaintSituation(rig, "playing");
    const Bitmap window = rig.Window();
    DestroyOffscreen(rig.offscreen);
    rig.Paint(RedrawFull);
    EXPECT_TRUE(SameIn(rig.Window(), window, {0, 0, 240, 294}));
    EXPECT_FALSE(rig.frame.NeedsPaint());
}

TEST(Intro, TakesTheFrameWhileItRuns) {
    PaintRig rig;
    rig.state.introStart = rig.driver.Now();
    rig.state.clockEnd = 1;
    rig.Paint(RedrawFull);
    EXPECT_EQ(rig.state.clockEnd, 1u);
}

}  // namespace
}  // namespace velinor::test
