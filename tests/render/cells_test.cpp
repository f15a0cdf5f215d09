// One cell at a time: tiles, the stylus mark, glyphs, strokes and the colour precedence, on the
// top-left cell of a 5 x 5 board at (70, 100).
#include <gtest/gtest.h>

#include "tests/render/pixel_checks.h"

namespace velinor::test {
namespace {

constexpr COLORREF LineOK = RGB(10, 20, 30);
constexpr COLORREF LineVI = RGB(200, 100, 50);

class Cells : public ::testing::Test {
  protected:
    Cells() {
        rig.settings.lineOK = LineOK;
        rig.settings.lineVI = LineVI;
    }
    // Cell (0, 0) holding v in both layers, with the marks given, painted whole.
    void PaintCell(int8_t v, bool error = false, bool revealed = false, bool trace = false) {
        rig.board.player[0] = rig.board.solution[0] = v;
        rig.board.errorMarks[0] = error;
        rig.board.revealed[0] = revealed;
        rig.board.traceMarks[0] = trace;
        rig.Paint(RedrawFull);
    }
    PaintRig rig;
};

TEST_F(Cells, TileByValueAndStrokesOnlyWhenMarked) {
    const struct {
        int8_t v;
        int tile;
        std::initializer_list<Rect> strokes;
    } cases[] = {
        {0, 0, {}},
        {-13, 1, {UpStroke, DownStroke}},
        {-24, 2, {RightStroke, LeftStroke}},
        {-12, 3, {UpStroke, RightStroke}},
        {-14, 4, {UpStroke, LeftStroke}},
        {-34, 5, {DownStroke, LeftStroke}},
        {-23, 6, {RightStroke, DownStroke}},
        // Values no line makes: a plain tile, and no stroke for digits that are no direction.
        {-99, 0, {}},
        {-128, 0, {}},
        {-41, 0, {UpStroke, LeftStroke}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.v));
        PaintCell(c.v);
        EXPECT_TRUE(CellShows(rig, 0, 0, {.tile = c.tile}));
        PaintCell(c.v, false, false, true);
        EXPECT_TRUE(CellShows(rig, 0, 0, {.tile = c.tile, .c = Yellow, .strokes = c.strokes}));
    }
    // The stylus cell is inverted under its strokes.
    rig.state.current = {0, 0};
    PaintCell(-12, false, true);
    EXPECT_TRUE(CellShows(
        rig, 0, 0, {.tile = 3, .inverted = true, .c = Cyan, .strokes = {UpStroke, RightStroke}}));
}

TEST_F(Cells, ColourPrecedenceOnAGlyph) {
    const struct {
        bool error, revealed, trace;
        COLORREF c;
    } cases[] = {
        {false, false, false, LineOK}, {true, false, false, LineVI}, {false, true, false, Cyan},
        {true, true, false, Cyan},     {false, false, true, Yellow}, {true, true, true, Yellow},
    };
    for (const auto& c : cases) {
        PaintCell(7, c.error, c.revealed, c.trace);
        EXPECT_TRUE(CellShows(rig, 0, 0, {.label = 7, .c = c.c}))
            << c.error << c.revealed << c.trace;
    }
}

TEST_F(Cells, GlyphsOfEachSetAndNoneBeyondTheStrip) {
    for (int16_t set : {0, 1, 2, 7})
        for (int8_t label : {1, 19, 100}) {
            rig.settings.symbolSet = set;
            PaintCell(label, true);
            const bool shown = set < 3 && label < 100;
            EXPECT_TRUE(
                CellShows(rig, 0, 0, {.label = shown ? label : 0, .symbolSet = set, .c = LineVI}))
                << set << " " << static_cast<int>(label);
        }
}

}  // namespace
}  // namespace velinor::test
