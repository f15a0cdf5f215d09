#include "core/trace.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/board_text.h"

namespace velinor {
namespace {

using test::At;
using test::BoardFromRows;
using test::LayerFromRows;

// Marks left by an earlier trace, including the 50 the stylus writes into a partner endpoint.
Layer MarkPattern() {
    Layer marks{};
    for (int i = 0; i < LayerCells; ++i)
        marks[i] = static_cast<int8_t>(i % 3);
    marks[CellIndex(4, 4)] = 50;
    return marks;
}

int CountMarked(const Layer& marks) {
    return static_cast<int>(std::count_if(marks.begin(), marks.end(), [](int8_t m) { return m; }));
}

// 1 where a cell is marked: how often is not part of the result.
Layer Marked(const Layer& marks) {
    Layer ones{};
    std::transform(marks.begin(), marks.end(), ones.begin(), [](int8_t m) { return m != 0; });
    return ones;
}

TEST(FollowLine, ResultCodesWhereTheWalkStopsAndWhatItMarks) {
    Board board = BoardFromRows({"1 ─ ─ 1", "2 ─ . 2", "3 │ ┌ ┐", "─ ─ └ ┘"});
    board.solution[CellIndex(2, 1)] = -24;
    // x, y, dir, layer, result, where the walk stops, cells marked (never the start cell)
    const int cases[][8] = {
        {0, 0, Right, LayerPlayer, ReachedEndpoint, 2, 0, 3},
        {0, 1, Right, LayerPlayer, NextEmpty, 1, 1, 1},
        {0, 1, Right, LayerSolution, ReachedEndpoint, 2, 1, 3},
        {0, 0, 0, LayerPlayer, BadDirection, 0, 0, 0},
        {0, 0, 5, LayerPlayer, BadDirection, 0, 0, 0},
        {0, 2, Right, LayerPlayer, NotFacingBack, 0, 2, 0},
        {2, 2, Right, LayerPlayer, RanIntoItself, 2, 2, 4},
        {1, 3, Left, LayerPlayer, LeftGrid, 0, 3, 1},
        {3, 0, Right, LayerPlayer, LeftGrid, 3, 0, 0},
        {9, 0, Right, LayerPlayer, LeftGrid, 9, 0, 0},
    };
    for (const auto& [x0, y0, dir, layer, result, endX, endY, marked] : cases) {
        Board b = board;
        int8_t x = x0, y = y0;
        EXPECT_EQ(FollowLine(b, x, y, dir, layer), result) << x0 << "," << y0 << " dir " << dir;
        EXPECT_EQ(Cell(x, y), Cell(endX, endY)) << x0 << "," << y0 << " dir " << dir;
        EXPECT_EQ(CountMarked(b.traceMarks), marked) << x0 << "," << y0 << " dir " << dir;
    }
}

TEST(MarkLine, CountsAndMarksOnlyTheCellsOfTheLineThroughACell) {
    Board board = BoardFromRows({"1 ─ ─ ─ 1", "4 ─ 4 ─ 4", "2 . 3 ─ 3", ". ┌ ┐ . .", ". └ ┘ . ."});
    // x, y, cells: empty, off the grid, an endpoint with no piece, a line from each of its cells,
    // a closed loop, an endpoint with two lines and the middle of one of them.
    const int cases[][3] = {{0, 3, 0}, {9, 9, 0}, {0, 2, 1}, {0, 0, 5}, {2, 0, 5},
                            {4, 0, 5}, {3, 2, 3}, {2, 4, 4}, {2, 1, 5}, {1, 1, 3}};
    for (const auto& [x, y, cells] : cases) {
        board.traceMarks = MarkPattern();
        EXPECT_EQ(MarkLine(board, LayerPlayer, x, y), cells) << x << "," << y;
        EXPECT_EQ(CountMarked(board.traceMarks), cells) << x << "," << y;
    }
    MarkLine(board, LayerPlayer, 2, 0);
    EXPECT_EQ(At(board.traceMarks, 0, 0), 1);
    EXPECT_EQ(At(board.traceMarks, 4, 0), 1);
}

TEST(CheckLayer, CountsEachKindOfFaultAndMarksItsCells) {
    const struct {
        const char* what;
        int16_t faults;
        Board board;
        Layer marked;
    } cases[] = {
        {"broken line", 9, BoardFromRows({"1 ─ . 1", "2 ─ ─ 2", "3 ─ ─ 3", "4 ─ ─ 4"}),
         LayerFromRows({"1 1 1 1"})},
        {"closed loops", 8, BoardFromRows({"1 ─ ─ 1", "2 ─ ─ 2", "┌ ┐ ┌ ┐", "└ ┘ └ ┘"}),
         LayerFromRows({"0 0 0 0", "0 0 0 0", "1 1 1 1", "1 1 1 1"})},
        {"piece pointing off the grid", 3, BoardFromRows({"1 ─ 1", "2 ─ 2", "3 ─ ─"}),
         LayerFromRows({"0 0 0", "0 0 0", "1 0 1"})},
        {"endpoints of different labels joined", 10, BoardFromRows({"1 ─ 2", "1 . 2", "3 ─ 3"}),
         LayerFromRows({"0 0 1", "1 1 1"})},
        {"touching endpoints", 9, BoardFromRows({"1 1 .", "2 ─ 2", "3 ─ 3"}),
         LayerFromRows({"1 1 1"})},
        {"endpoint with two lines", 7, BoardFromRows({"┌ 1 ┐", "│ . │", "1 . 1"}),
         LayerFromRows({"0 1 0", "0 1 0", "0 1 0"})},
        {"label used by two lines", 1, BoardFromRows({"1 ─ 1", "1 ─ 1", "2 ─ 2"}), Layer{}},
        {"values outside the encoding", 21, BoardFromRows({"1 -99 1", "2 -128 2", "127 -11 -55"}),
         LayerFromRows({"1 1 1", "1 1 1", "1 1 1"})},
    };
    for (auto k : cases) {
        k.board.traceMarks = MarkPattern();
        EXPECT_EQ(CheckLayer(k.board, LayerSolution), k.faults) << k.what;
        EXPECT_EQ(Marked(k.board.errorMarks), k.marked) << k.what;
        EXPECT_EQ(k.board.traceMarks, MarkPattern()) << k.what;
    }
}

TEST(CheckLayer, MoreEndpointsThanTheLabelListTakesAreAFault) {
    // 48 sound three-cell lines with labels 1 to 48: one fault for each beyond the 38 that the
    // label list takes.
    Board lines{MaxGridSize};
    for (int x = 0; x < MaxGridSize; ++x) {
        for (int y = 0; y < MaxGridSize; ++y)
            lines.solution[CellIndex(x, y)] =
                static_cast<int8_t>(x % 3 == 1 ? -24 : 1 + x / 3 * 12 + y);
    }
    EXPECT_EQ(CheckLayer(lines, LayerSolution), 48 - CheckLabelListSize);
    EXPECT_EQ(lines.errorMarks, Layer{}) << "each line on its own is sound";
}

TEST(CheckSolved, TellsTheGeneratedSolutionFromAnotherValidOneAndFromNone) {
    Board board = BoardFromRows({"1 ─ ┐", "┌ ─ ┘", "└ ─ 1"});
    board.traceMarks = MarkPattern();
    EXPECT_EQ(CheckSolved(board), 0);
    EXPECT_EQ(board.errorMarks, Layer{});
    EXPECT_EQ(board.traceMarks, MarkPattern()) << "the check leaves traceMarks as found";
    // A fresh game's player layer holds the endpoints only: every grid cell takes a mark.
    for (int8_t& v : board.player)
        v = std::max<int8_t>(v, 0);
    EXPECT_EQ(CheckSolved(board), 1);
    EXPECT_EQ(CountMarked(board.errorMarks), 9);

    // Another way to join the corners through every cell.
    board.player = LayerFromRows({"1 ┌ ┐", "│ │ │", "└ ┘ 1"});
    EXPECT_EQ(CheckSolved(board), -1);
    EXPECT_EQ(board.errorMarks, Layer{});
}

}  // namespace
}  // namespace velinor
