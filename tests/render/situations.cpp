#include "tests/render/situations.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "core/rules_example.h"
#include "platform/resources/resources.h"
#include "tests/support/board_text.h"

namespace velinor::test {
namespace {

// A 12 x 12 puzzle of 19 lines, and a player on the way to it.
const std::initializer_list<std::string_view> TwelveSolution = {
    "┌ ─ 17 ┌ ┐ ┌ ┐ ┌ ┐ 19 ┌ ┐",    //
    "│ 2 ┌ ┘ └ ┘ │ │ │ └ ┘ 19",     //
    "│ └ ┘ ┌ ─ ─ ┘ │ └ ┐ ┌ ┐",      //
    "│ 18 ┐ └ ─ 2 ┌ ┘ 6 └ ┘ │",     //
    "└ ┐ 18 ┌ ─ ─ ┘ ┌ ┘ 9 ┌ ┘",     //
    "1 │ 8 └ ┐ ┌ ─ ┘ 8 │ │ 16",     //
    "│ │ │ ┌ ┘ │ ┌ 6 │ │ └ ┘",      //
    "1 │ │ 16 15 └ ┘ 15 │ │ 11 ┐",  //
    "4 │ └ ┐ └ ─ ─ ┘ │ │ 11 ┘",     //
    "│ 17 3 └ ┐ ┌ ─ ┐ │ └ ┐ 7",     //
    "4 ┌ ┘ 12 │ │ ┌ ┘ │ 7 9 │",     //
    "3 ┘ 12 ┘ └ ┘ └ ─ ┘ └ ─ ┘",     //
};
const std::initializer_list<std::string_view> TwelvePlayer = {
    "┌ ─ 17 ┌ ┐ ┌ ┐ . . 19 . .",    //
    "│ 2 ┌ ┘ └ ┘ │ . . . . 19",     //
    "│ └ ┘ . . ─ ┘ . . . . .",      //
    "│ 18 ┐ . . 2 . . 6 . . .",     //
    "└ ┐ 18 . . . . . . 9 . .",     //
    "1 │ 8 └ ┐ . . . 8 │ . 16",     //
    "│ │ │ ┌ ┘ . . 6 . │ . .",      //
    "1 │ │ 16 15 . . 15 . │ 11 .",  //
    "4 │ └ ┐ . . . . . │ 11 .",     //
    "│ 17 3 └ ┐ . . . . └ ┐ 7",     //
    "4 ┌ ┘ 12 . . . . . 7 9 .",     //
    "3 ┘ 12 ┘ . . . . . . . .",     //
};
// The line of 2 as far as the stylus has drawn it, and its endpoint still to reach.
constexpr Cell StylusLine[] = {{1, 1}, {1, 2}, {2, 2}, {2, 1}, {3, 1}, {3, 0}, {4, 0}, {4, 1},
                               {5, 1}, {5, 0}, {6, 0}, {6, 1}, {6, 2}, {5, 2}, {4, 2}, {5, 3}};
// The line of 17, revealed by a hint: two endpoints and RevealedPieces pieces.
constexpr Cell RevealedLine[] = {{2, 0}, {1, 0}, {0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4},
                                 {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}};
// A line of 8 that ends nowhere, marked by the board check.
constexpr Cell FaultyLine[] = {{2, 5}, {2, 6}, {2, 7}, {2, 8}, {3, 8}, {3, 9}, {4, 9}};

// An 8 x 8 puzzle of 8 lines, and a player who left it half done.
const std::initializer_list<std::string_view> EightSolution = {
    "6 ─ ─ ─ ─ ─ ─ ┐",  //
    "┌ ─ ┐ ┌ ─ ─ ┐ │",  //
    "└ ┐ └ ┘ 5 2 ┘ │",  //
    "┌ ┘ 2 ┌ ┘ 3 6 ┘",  //
    "└ ─ ┘ 5 ┌ ┘ ┌ ┐",  //
    "┌ 4 4 ┌ ┘ 8 ┘ 8",  //
    "│ ┌ ┘ └ ─ ┐ 3 ┐",  //
    "└ ┘ 1 ─ 1 └ ─ ┘",  //
};
const std::initializer_list<std::string_view> EightPlayer = {
    "6 ─ ─ ─ ─ ─ ─ ┐",  //
    "┌ ─ ┐ . . . . │",  //
    "└ ┐ └ ┘ 5 2 . │",  //
    "┌ ┘ 2 . . 3 6 ┘",  //
    ". ─ ┘ 5 . . . .",  //
    ". 4 4 . . 8 . 8",  //
    ". . . . . . 3 .",  //
    ". . 1 ─ 1 . . .",  //
};

template <size_t N>
void Mark(Layer& layer, const Cell (&cells)[N]) {
    for (Cell c : cells)
        layer[CellIndex(c.x, c.y)] = 1;
}

// A game of the 8 x 8 puzzle in the phase given, the clock started at the first touch.
void Eight(PaintRig& rig) {
    rig.board = BoardFromRows(EightSolution);
    rig.board.player = LayerFromRows(EightPlayer);
    rig.settings.difficulty = 1;
    rig.settings.stats[0][1].besttime = OwnBestMedium;
    rig.state.clockStart = rig.driver.Now() - PlayedMs;
}

// A finished game of the 8 x 8 puzzle.
void FinishedEight(PaintRig& rig, int16_t endCheck, uint32_t penaltyCells, SelectMode select) {
    Eight(rig);
    rig.state.phase = Finished;
    rig.state.clockStart = rig.driver.Now() - FinishedMs - 5000;
    rig.state.clockEnd = rig.state.clockStart + FinishedMs;
    rig.state.endCheck = endCheck;
    rig.state.penaltyCells = penaltyCells;
    rig.state.selectMode = select;
}

// The 12 x 12 game in play: a line under the stylus, a revealed one, a faulty one.
void Playing(PaintRig& rig) {
    rig.board = BoardFromRows(TwelveSolution);
    rig.board.player = LayerFromRows(TwelvePlayer);
    Mark(rig.board.traceMarks, StylusLine);
    Mark(rig.board.revealed, RevealedLine);
    Mark(rig.board.errorMarks, FaultyLine);
    rig.settings.difficulty = 2;
    rig.settings.symbolSet = 1;
    rig.settings.stats[0][2].besttime = OwnBestHard;
    rig.settings.stats[1][2].besttime = OtherBestHard;
    rig.state.clockStart = rig.driver.Now() - PlayedMs;
    rig.state.penaltyCells = RevealedPieces;
    rig.state.current = {4, 2};
    rig.state.previous = {5, 2};
    rig.state.target = {5, 3};
}

constexpr Situation AllSituations[] = {
    {"new-game",
     [](PaintRig& rig) {
         Eight(rig);
         for (int i = 0; i < LayerCells; ++i)  // the endpoints alone
             rig.board.player[i] = std::max<int8_t>(rig.board.solution[i], 0);
         rig.state.clockStart = 0;
     }},
    {"rules-example",
     [](PaintRig& rig) {
         rig.board.gridSize = RulesExampleSize;
         for (int y = 0; y < RulesExampleSize; ++y)
             for (int x = 0; x < RulesExampleSize; ++x)
                 rig.board.solution[CellIndex(x, y)] = RulesExample[y][x];
         ComputeBoardOrigin(rig.board);
         rig.board.player = rig.board.solution;
         // The line of 2 is left to draw.
         for (Cell c : {Cell{2, 1}, Cell{1, 1}, Cell{1, 2}, Cell{1, 3}, Cell{2, 3}})
             rig.board.player[CellIndex(c.x, c.y)] = 0;
         rig.settings.symbolSet = 2;
         rig.settings.stats[0][0].besttime = OwnBestEasy;
         rig.state.exampleMode = 1;
     }},
    {"playing", Playing},
    {"hint-awaited",
     [](PaintRig& rig) {
         Playing(rig);
         rig.settings.language = 1;
         rig.state.selectMode = SelectHintCell;
     }},
    {"paused",
     [](PaintRig& rig) {
         Playing(rig);
         rig.state.phase = Paused;
         rig.state.clockStart = rig.driver.Now() - PausedAfterMs;
         rig.state.clockEnd = rig.state.clockStart + PlayedMs;
     }},
    {"finished-perfect", [](PaintRig& rig) { FinishedEight(rig, 0, 0, SelectNone); }},
    {"finished-accepted",
     [](PaintRig& rig) {
         FinishedEight(rig, -1, 0, SelectNone);
         rig.settings.language = 1;
     }},
    {"finished-shown", [](PaintRig& rig) { FinishedEight(rig, 1, ShownPenaltyCells, SelectNone); }},
    {"finished-proposal",
     [](PaintRig& rig) { FinishedEight(rig, 1, ShownPenaltyCells, SelectProposal); }},
    {"bitmaps-missing",
     [](PaintRig& rig) {
         Eight(rig);
         const int width = rig.offscreen.width, height = rig.offscreen.height;
         SetBitmapLoadFails(144, true);
         DestroyOffscreen(rig.offscreen);
         CreateOffscreen(rig.offscreen, width, height);
         SetBitmapLoadFails(144, false);
     }},
};

}  // namespace

std::span<const Situation> Situations() {
    return AllSituations;
}

void PaintSituation(PaintRig& rig, const char* name) {
    for (const Situation& s : AllSituations)
        if (std::strcmp(s.name, name) == 0) s.setUp(rig);
    rig.Paint(RedrawFull);
}

}  // namespace velinor::test
