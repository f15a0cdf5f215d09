#include "core/trace.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/rules_example.h"
#include "tests/support/board_text.h"

namespace velinor {
namespace {

using test::At;
using test::BoardFromRows;

Board RulesExampleBoard() {
    Board board;
    board.gridSize = RulesExampleSize;
    for (int x = 0; x < RulesExampleSize; ++x) {
        for (int y = 0; y < RulesExampleSize; ++y) {
            board.solution[CellIndex(x, y)] = RulesExample[y][x];
        }
    }
    board.player = board.solution;
    return board;
}

// Endpoints of the solution only, as a game starts.
Board FreshGame(Board board) {
    for (int i = 0; i < LayerCells; ++i) {
        board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
    }
    return board;
}

Layer MarkPattern() {
    Layer marks{};
    for (int i = 0; i < LayerCells; ++i)
        marks[i] = static_cast<int8_t>(i % 3);
    marks[CellIndex(4, 4)] = 50;
    return marks;
}

TEST(FollowLine, ResultCodesAndWhereTheWalkStops) {
    struct Case {
        const char* what;
        Board board;
        int8_t x, y;
        int16_t dir;
        int16_t result;
        int8_t endX, endY;
    };
    const Case cases[] = {
        {"reaches an endpoint", BoardFromRows({"1 ─ ─ 1", ". . . .", ". . . .", ". . . ."}), 0, 0,
         Right, ReachedEndpoint, 2, 0},
        {"next cell empty", BoardFromRows({"1 ─ . 1", ". . . .", ". . . .", ". . . ."}), 0, 0,
         Right, NextEmpty, 1, 0},
        {"direction 0", BoardFromRows({"1 ─ ─ 1", ". . . .", ". . . .", ". . . ."}), 0, 0, 0,
         BadDirection, 0, 0},
        {"direction 5", BoardFromRows({"1 ─ ─ 1", ". . . .", ". . . .", ". . . ."}), 0, 0, 5,
         BadDirection, 0, 0},
        {"piece not facing back", BoardFromRows({"1 │ . .", ". . . .", ". . . .", ". . . ."}), 0, 0,
         Right, NotFacingBack, 0, 0},
        {"runs into itself", BoardFromRows({". ┌ ┐ .", ". └ ┘ .", ". . . .", ". . . ."}), 1, 0,
         Right, RanIntoItself, 1, 0},
        {"leaves the grid", BoardFromRows({"1 ─ ─ ─", ". . . .", ". . . .", ". . . ."}), 0, 0,
         Right, LeftGrid, 3, 0},
        {"starts off the grid", BoardFromRows({"1 ─ ─ 1", ". . . .", ". . . .", ". . . ."}), 9, 0,
         Right, LeftGrid, 9, 0},
    };
    for (Case k : cases) {
        int8_t x = k.x, y = k.y;
        EXPECT_EQ(FollowLine(k.board, x, y, k.dir, LayerPlayer), k.result) << k.what;
        EXPECT_EQ(x, k.endX) << k.what;
        EXPECT_EQ(y, k.endY) << k.what;
    }
}

TEST(FollowLine, ReadsTheSelectedLayerAndMarksTheCellsItPasses) {
    Board board = BoardFromRows({"1 ─ ─ 1", ". . . .", ". . . .", ". . . ."});
    board.player[CellIndex(2, 0)] = 0;
    int8_t x = 0, y = 0;
    EXPECT_EQ(FollowLine(board, x, y, Right, LayerSolution), ReachedEndpoint);
    EXPECT_EQ(At(board.traceMarks, 0, 0), 0) << "the start cell is not marked";
    EXPECT_EQ(At(board.traceMarks, 1, 0), 1);
    EXPECT_EQ(At(board.traceMarks, 3, 0), 1);
    x = 0;
    ClearLayer(board.traceMarks);
    EXPECT_EQ(FollowLine(board, x, y, Right, LayerPlayer), NextEmpty);
}

TEST(MarkLine, CountsTheCellsOfTheLineThroughACell) {
    Board board = BoardFromRows({
        "1 ─ ─ ─ 1",
        ". . . . .",
        "2 . 3 ─ 3",
        ". ┌ ┐ . .",
        ". └ ┘ . .",
    });
    board.traceMarks = MarkPattern();

    EXPECT_EQ(MarkLine(board, LayerPlayer, 3, 1), 0) << "empty cell";
    EXPECT_EQ(board.traceMarks, Layer{}) << "an empty cell clears every mark";

    EXPECT_EQ(MarkLine(board, LayerPlayer, 0, 2), 1) << "endpoint with no piece";

    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(MarkLine(board, LayerPlayer, static_cast<int8_t>(x), 0), 5) << "from " << x;
        EXPECT_EQ(At(board.traceMarks, 0, 0), 1);
        EXPECT_EQ(At(board.traceMarks, 4, 0), 1);
        EXPECT_EQ(At(board.traceMarks, 0, 1), 0);
    }

    EXPECT_EQ(MarkLine(board, LayerPlayer, 3, 2), 3) << "a three-cell line from its piece";
    EXPECT_EQ(MarkLine(board, LayerPlayer, 2, 4), 4) << "a closed loop ends where it began";
    EXPECT_EQ(MarkLine(board, LayerPlayer, 9, 9), 0) << "off the grid";
}

TEST(MarkLine, EndpointWithTwoLinesMarksBoth) {
    Board board = BoardFromRows({"1 ─ 1 ─ 1", ". . . . .", ". . . . .", ". . . . .", ". . . . ."});
    EXPECT_EQ(MarkLine(board, LayerPlayer, 2, 0), 5);
    EXPECT_EQ(At(board.traceMarks, 2, 0), 1);
    // An endpoint reached from both sides counts each arrival.
    EXPECT_EQ(MarkLine(board, LayerPlayer, 1, 0), 3);
}

TEST(CheckLayer, RulesExampleIsValidAndItsFreshBoardIsNot) {
    Board board = RulesExampleBoard();
    board.traceMarks = MarkPattern();
    EXPECT_EQ(CheckLayer(board, LayerSolution), 0);
    EXPECT_EQ(board.errorMarks, Layer{});
    EXPECT_EQ(CheckSolved(board), 0);
    EXPECT_EQ(board.traceMarks, MarkPattern()) << "the check leaves traceMarks as found";

    Board fresh = FreshGame(RulesExampleBoard());
    fresh.traceMarks = MarkPattern();
    EXPECT_EQ(CheckSolved(fresh), 1);
    for (int x = 0; x < 5; ++x) {
        for (int y = 0; y < 5; ++y) {
            EXPECT_NE(At(fresh.errorMarks, x, y), 0) << x << "," << y;
        }
    }
    EXPECT_EQ(fresh.traceMarks, MarkPattern());
}

TEST(CheckLayer, FindsEachKindOfFaultAndMarksItsCells) {
    struct Case {
        const char* what;
        Board board;
        std::vector<Cell> marked;
        std::vector<Cell> clean;
    };
    const Case cases[] = {
        {"broken line",
         BoardFromRows({"1 ─ . 1", "2 ─ ─ 2", "3 ─ ─ 3", "4 ─ ─ 4"}),
         {{0, 0}, {1, 0}, {2, 0}, {3, 0}},
         {{0, 1}, {3, 3}}},
        {"closed loops beside valid lines",
         BoardFromRows({"1 ─ ─ 1", "2 ─ ─ 2", "┌ ┐ ┌ ┐", "└ ┘ └ ┘"}),
         {{0, 2}, {1, 2}, {3, 3}},
         {{0, 0}, {3, 1}}},
        {"piece pointing off the grid",
         BoardFromRows({"1 ─ 1", "2 ─ 2", "3 ─ ─"}),
         {{2, 2}, {0, 2}},
         {{0, 0}, {1, 1}}},
        {"endpoints of different labels joined",
         BoardFromRows({"1 ─ 2", "1 . 2", "3 ─ 3"}),
         {{2, 0}, {0, 1}, {2, 1}},
         {{1, 0}, {0, 2}}},
        {"touching endpoints",
         BoardFromRows({"1 1 .", "2 ─ 2", "3 ─ 3"}),
         {{0, 0}, {1, 0}, {2, 0}},
         {{0, 1}}},
        {"endpoint with two lines",
         BoardFromRows({"1 ─ 1 ─ 1", "2 ─ ─ ─ 2", "3 ─ ─ ─ 3", "4 ─ ─ ─ 4", "5 ─ ─ ─ 5"}),
         {{2, 0}},
         {{0, 1}}},
        {"values outside the encoding",
         BoardFromRows({"1 -99 1", "2 -128 2", "127 -11 -55"}),
         {{1, 0}, {1, 1}, {0, 2}, {1, 2}, {2, 2}},
         {}},
    };
    for (Case k : cases) {
        k.board.traceMarks = MarkPattern();
        EXPECT_GT(CheckLayer(k.board, LayerSolution), 0) << k.what;
        for (Cell c : k.marked) {
            EXPECT_NE(At(k.board.errorMarks, c.x, c.y), 0)
                << k.what << " at " << int(c.x) << "," << int(c.y);
        }
        for (Cell c : k.clean) {
            EXPECT_EQ(At(k.board.errorMarks, c.x, c.y), 0)
                << k.what << " at " << int(c.x) << "," << int(c.y);
        }
        EXPECT_EQ(k.board.traceMarks, MarkPattern()) << k.what;
    }
}

TEST(CheckLayer, ALabelUsedByTwoLinesIsOneFaultWithoutMarks) {
    Board board = BoardFromRows({"1 ─ 1", "1 ─ 1", "2 ─ 2"});
    EXPECT_EQ(CheckLayer(board, LayerSolution), 1);
    EXPECT_EQ(board.errorMarks, Layer{});
}

TEST(CheckLayer, BoardsBeyondAnyPuzzleStayInsideTheirTables) {
    // 48 sound three-cell lines: 96 endpoints overflow the 38-entry label list.
    Board lines;
    lines.gridSize = 12;
    for (int y = 0; y < 12; ++y) {
        for (int k = 0; k < 4; ++k) {
            const int8_t label = static_cast<int8_t>(1 + y * 4 + k);
            lines.solution[CellIndex(3 * k, y)] = label;
            lines.solution[CellIndex(3 * k + 1, y)] = -24;
            lines.solution[CellIndex(3 * k + 2, y)] = label;
        }
    }
    EXPECT_GT(CheckLayer(lines, LayerSolution), 0);
    EXPECT_EQ(lines.errorMarks, Layer{}) << "each line on its own is sound";

    Board endpoints;
    endpoints.gridSize = 12;
    endpoints.solution.fill(1);
    EXPECT_GT(CheckLayer(endpoints, LayerSolution), 0);

    Board oversized = RulesExampleBoard();
    oversized.gridSize = 100;
    EXPECT_GT(CheckLayer(oversized, LayerSolution), 0) << "empty cells of a 12 x 12 grid";
    oversized.gridSize = -4;
    EXPECT_EQ(CheckLayer(oversized, LayerSolution), 0) << "no grid, nothing to fault";
}

TEST(CheckSolved, TellsTheGeneratedSolutionFromAnotherValidOne) {
    // Two ways to join the corners of a 3 x 3 grid through every cell.
    Board board = BoardFromRows({"1 ─ ┐", "┌ ─ ┘", "└ ─ 1"});
    EXPECT_EQ(CheckSolved(board), 0);
    board.player = test::LayerFromRows({"1 ┌ ┐", "│ │ │", "└ ┘ 1"});
    EXPECT_EQ(CheckSolved(board), -1);
    EXPECT_EQ(board.errorMarks, Layer{});
    board.player[CellIndex(1, 1)] = 0;
    EXPECT_EQ(CheckSolved(board), 1);
    EXPECT_NE(At(board.errorMarks, 1, 1), 0);
}

}  // namespace
}  // namespace velinor
