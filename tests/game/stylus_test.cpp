// Drawing with the stylus: the cell under it, the pieces a stroke writes, the highlighted line
// and its target, double taps, the solved check, and looking at a finished game.
#include <gtest/gtest.h>

#include <climits>

#include "game/stylus.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

TEST(HitTest, PixelsToCellsForEachBoardSize) {
    struct Case {
        int16_t gridSize;
        int px, py;
        Cell cell;
        bool onGrid;
    };
    const Case cases[] = {
        {5, 70, 100, {0, 0}, true},
        {5, 69, 100, {-1, 0}, false},
        {5, 70, 99, {0, -1}, false},
        {5, 169, 199, {4, 4}, true},
        {5, 170, 150, {5, 2}, false},
        {8, 40, 70, {0, 0}, true},
        {8, 199, 229, {7, 7}, true},
        {8, 200, 229, {8, 7}, false},
        {12, 0, 30, {0, 0}, true},
        {12, 239, 269, {11, 11}, true},
        {12, 239, 270, {11, 12}, false},
        {12, -5, 29, {-1, -1}, false},
        {12, INT_MIN, INT_MIN, {-1, -1}, false},
        // Far right or below stays off the grid instead of wrapping back onto it.
        {12, 20 * 256 + 5, 30 + 20 * 259, {127, 127}, false},
        {5, INT_MAX, INT_MAX, {127, 127}, false},
    };
    for (const Case& c : cases) {
        Board board;
        board.gridSize = c.gridSize;
        ComputeBoardOrigin(board);
        const Cell cell = HitTest(board, c.px, c.py);
        EXPECT_EQ(cell, c.cell) << c.gridSize << " " << c.px << "," << c.py;
        EXPECT_EQ(InGrid(board, cell.x, cell.y), c.onGrid);
    }
}

class Stylus : public GameFixture {
  protected:
    Stylus() { LoadPuzzle(FourLines); }
};

TEST_F(Stylus, DragFromEndpointToEndpointWritesTheLinesPieces) {
    Drag({{4, 2}, {4, 3}, {4, 4}, {3, 4}, {3, 3}});
    EXPECT_EQ(PlayerAt(4, 2), 4);
    EXPECT_EQ(PlayerAt(4, 3), -13);
    EXPECT_EQ(PlayerAt(4, 4), -14);
    EXPECT_EQ(PlayerAt(3, 4), -12);
    EXPECT_EQ(PlayerAt(3, 3), 4);
    EXPECT_EQ(CountDifferingCells(board), 4 + 6 + 4);
    EXPECT_EQ(state.eventCount, 5u);
    EXPECT_EQ(state.current, (Cell{3, 3}));
    EXPECT_EQ(state.previous, (Cell{3, 4}));
}

TEST_F(Stylus, EachStepHighlightsTheLineAndMarksTheEndpointStillToReach) {
    Press({4, 2});
    Move({4, 3});
    // The cell just entered has no piece yet: the line up to the cell left is lit.
    EXPECT_EQ(At(board.traceMarks, 4, 2), 1);
    EXPECT_EQ(At(board.traceMarks, 3, 3), 50);
    EXPECT_EQ(state.target, (Cell{3, 3}));
    EXPECT_EQ(state.redrawMode, RedrawIncremental);
    EXPECT_EQ(frame.paints.back().mode, RedrawIncremental);
    Move({4, 4});
    Move({3, 4});
    EXPECT_EQ(At(board.traceMarks, 4, 2), 1);
    EXPECT_EQ(At(board.traceMarks, 4, 3), 1);
    EXPECT_EQ(At(board.traceMarks, 4, 4), 1);
    EXPECT_EQ(At(board.traceMarks, 3, 3), 50);
    // Reaching it completes the line: no target.
    Move({3, 3});
    EXPECT_EQ(At(board.traceMarks, 3, 3), 1);
    EXPECT_EQ(state.target, NoCell);
    // A press elsewhere forgets the target and redraws in full; the release clears the marks.
    Release({3, 3});
    EXPECT_EQ(board.traceMarks, Layer{});
    EXPECT_EQ(frame.paints.back().mode, RedrawFull);
}

TEST_F(Stylus, StrokesOverwritePiecesButNeverEndpointsOrRevealedCells) {
    Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(PlayerAt(1, 1), -24);
    EXPECT_EQ(PlayerAt(2, 1), -24);
    // Down through column 2: over the piece of line 2, then the endpoint of line 3.
    Drag({{2, 0}, {2, 1}, {2, 2}, {2, 3}, {2, 4}});
    EXPECT_EQ(PlayerAt(2, 1), -13);  // overwritten
    EXPECT_EQ(PlayerAt(2, 2), -13);
    EXPECT_EQ(PlayerAt(2, 3), 3);  // endpoint left as it is
    EXPECT_EQ(PlayerAt(2, 0), 0);  // the first cell of a stroke gets nothing
    // A revealed line is never drawn over.
    Command(40013);  // the clock runs: Hint is taken
    Tap({4, 3});
    EXPECT_EQ(PlayerAt(4, 4), -14);
    Drag({{3, 3}, {3, 4}, {4, 4}, {4, 3}, {3, 3}});
    EXPECT_EQ(PlayerAt(4, 4), -14);
    EXPECT_EQ(PlayerAt(4, 3), -13);
    EXPECT_EQ(PlayerAt(3, 4), -12);
}

TEST_F(Stylus, DiagonalOrJumpRestartsTheStrokeWithoutWriting) {
    Drag({{0, 1}, {1, 1}, {2, 2}, {3, 2}, {1, 2}, {1, 3}});
    // (1, 1) was left diagonally and (3, 2) by a jump: neither got a piece.
    EXPECT_EQ(PlayerAt(1, 1), 0);
    EXPECT_EQ(PlayerAt(2, 2), 0);
    EXPECT_EQ(PlayerAt(3, 2), 0);
    EXPECT_EQ(PlayerAt(1, 2), 0);
    EXPECT_EQ(state.previous, (Cell{1, 2}));
}

TEST_F(Stylus, GoingBackSwapsCellsAndContinuingRewritesThePiece) {
    Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    ASSERT_EQ(PlayerAt(2, 1), -24);
    Press({1, 1});
    Move({2, 1});
    Move({1, 1});  // back over a drawn cell: nothing erased
    EXPECT_EQ(state.current, (Cell{1, 1}));
    EXPECT_EQ(state.previous, (Cell{2, 1}));
    EXPECT_EQ(PlayerAt(1, 1), -24);
    EXPECT_EQ(PlayerAt(2, 1), -24);
    Move({1, 2});  // on from there: (1, 1) now joins (2, 1) and (1, 2)
    EXPECT_EQ(PlayerAt(1, 1), -23);
}

TEST_F(Stylus, MovingWithinACellCountsButChangesNothing) {
    Press({1, 1});
    const Layer player = board.player;
    const Point p = Centre({1, 1});
    driver.Move(p.x + 5, p.y - 5);
    driver.Move(p.x - 9, p.y + 9);
    EXPECT_EQ(state.eventCount, 3u);
    EXPECT_EQ(board.player, player);
    EXPECT_EQ(state.current, (Cell{1, 1}));
}

TEST_F(Stylus, AReleaseDoesNotEndTheStroke) {
    Drag({{0, 1}, {1, 1}});
    Press({2, 1});  // next to the current cell: the stroke goes on
    EXPECT_EQ(PlayerAt(1, 1), -24);
}

TEST_F(Stylus, LeavingTheGridEndsTheStroke) {
    Press({0, 1});
    Move({1, 1});
    driver.Move(Centre({1, 1}).x, 10);  // up out of the board
    EXPECT_EQ(state.current, NoCell);
    EXPECT_EQ(state.previous, NoCell);
    EXPECT_EQ(board.traceMarks, Layer{});
    EXPECT_EQ(state.redrawMode, RedrawFull);
    Move({1, 1});
    Move({2, 1});
    EXPECT_EQ(PlayerAt(1, 1), 0);  // a new stroke starting at (1, 1)
}

TEST_F(Stylus, DoubleTapErasesOneCell) {
    Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    ASSERT_EQ(PlayerAt(2, 1), -24);
    driver.Wait(1000);
    const size_t paints = frame.paints.size();
    Tap({2, 1});
    Tap({2, 1});  // press, release, double tap, release
    EXPECT_EQ(PlayerAt(2, 1), 0);
    EXPECT_EQ(PlayerAt(1, 1), -24);
    EXPECT_EQ(state.current, NoCell);
    EXPECT_EQ(state.previous, NoCell);
    EXPECT_NE(At(board.errorMarks, 1, 1), 0);  // the check ran again
    // Each release repaints; the double tap itself does not.
    EXPECT_EQ(frame.paints.size(), paints + 3);

    // On an endpoint it erases nothing.
    driver.Wait(1000);
    Tap({0, 1});
    Tap({0, 1});
    EXPECT_EQ(PlayerAt(0, 1), 2);
}

TEST_F(Stylus, DragAfterADoubleTapStartsOneEventLate) {
    Tap({1, 1});
    Press({1, 1});  // double tap on the current cell: the latch is set
    EXPECT_EQ(state.tapLatch, 1);
    EXPECT_EQ(state.current, NoCell);
    Move({2, 1});  // counted, but only clears the latch
    EXPECT_EQ(state.tapLatch, 0);
    EXPECT_EQ(state.current, NoCell);
    EXPECT_EQ(state.eventCount, 2u);
    // A fresh stroke from (3, 1): its first cell gets nothing, the next one its piece.
    Move({3, 1});
    Move({3, 2});
    Move({2, 2});
    EXPECT_EQ(PlayerAt(2, 1), 0);
    EXPECT_EQ(PlayerAt(3, 1), 0);
    EXPECT_EQ(PlayerAt(3, 2), -14);
}

TEST_F(Stylus, DoubleTapErasesARevealedPieceForGood) {
    Tap({0, 0});
    Command(40013);
    Tap({2, 0});
    ASSERT_EQ(PlayerAt(2, 0), -24);
    driver.Wait(1000);
    Tap({2, 0});
    Tap({2, 0});
    EXPECT_EQ(PlayerAt(2, 0), 0);
    EXPECT_EQ(At(board.revealed, 2, 0), 1);
    driver.Wait(1000);
    Drag({{1, 0}, {2, 0}, {3, 0}});
    EXPECT_EQ(PlayerAt(2, 0), 0);  // still revealed: strokes cannot draw it
    EXPECT_EQ(state.penaltyCells, 4u);
}

class SolvedBoard : public Stylus {
  protected:
    // Every line but 1 drawn; line 1 can fill its 3 x 3 block by rows or by columns.
    SolvedBoard() {
        LoadPuzzle(TwoWaySnake);
        SetPlayer({
            "1 . . 2 3",  //
            ". . . │ │",  //
            ". . 1 │ │",  //
            "4 ─ 4 │ │",  //
            "5 ─ 5 2 3",  //
        });
        Tap({3, 1});  // the clock starts
        driver.Wait(7000);
    }
};

TEST_F(SolvedBoard, AnotherArrangementFinishesWithoutQuestionOrPenalty) {
    Drag({{0, 0}, {0, 1}, {0, 2}, {1, 2}, {1, 1}, {1, 0}, {2, 0}, {2, 1}, {2, 2}});
    EXPECT_EQ(state.phase, Finished);
    EXPECT_EQ(state.endCheck, -1);
    EXPECT_EQ(state.penaltyCells, 0u);
    EXPECT_EQ(state.elapsedMs, 7000);
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_EQ(Stats().totalplay, 1);
    EXPECT_EQ(Stats().besttime, 7000);
    // The release shows the solution's line through the last cell.
    EXPECT_EQ(At(board.traceMarks, 1, 0), 1);
    EXPECT_EQ(At(board.traceMarks, 0, 1), 1);
    EXPECT_EQ(state.selectMode, SelectNone);

    // Held on the grid: the player's own lines.
    Press({1, 1});
    EXPECT_EQ(state.selectMode, SelectProposal);
    EXPECT_EQ(At(board.traceMarks, 0, 1), 1);
    EXPECT_EQ(At(board.traceMarks, 1, 0), 1);
    Move({3, 2});
    EXPECT_EQ(At(board.traceMarks, 3, 0), 1);
    EXPECT_EQ(At(board.traceMarks, 0, 0), 0);
    driver.Move(5, 5);  // off the grid: the marks are only cleared
    EXPECT_EQ(board.traceMarks, Layer{});
    Release({0, 0});
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(board.traceMarks, Layer{});  // the last cell was off the grid
    EXPECT_EQ(PlayerAt(1, 1), -13);        // looking changes nothing
}

TEST_F(SolvedBoard, AsGeneratedShowsTheSolutionUnderTheStylus) {
    Drag({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}, {0, 2}, {1, 2}, {2, 2}});
    EXPECT_EQ(state.endCheck, 0);
    EXPECT_EQ(state.elapsedMs, 7000);
    EXPECT_EQ(Stats().totalplay, 1);
    Press({4, 4});
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(At(board.traceMarks, 4, 0), 1);
    EXPECT_EQ(state.current, (Cell{4, 4}));
    Release({4, 4});
    EXPECT_EQ(At(board.traceMarks, 4, 0), 1);
    Tap({4, 4});  // a double tap after the game erases nothing
    EXPECT_EQ(board.player, board.solution);
}

TEST_F(Stylus, PressesAfterTheGameDrawNothing) {
    Tap({0, 0});
    Answer(IDOK);
    Command(40007);
    const Layer player = board.player;
    Drag({{0, 1}, {1, 1}, {2, 1}, {3, 1}});
    EXPECT_EQ(board.player, player);
    EXPECT_EQ(state.phase, Finished);
}

}  // namespace
}  // namespace velinor::test
