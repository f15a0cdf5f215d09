// Drawing with the stylus: the cell under it and a finished board solved another way.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "game/stylus.h"
#include "tests/game/game_fixture.h"

namespace velinor::test {
namespace {

TEST(HitTest, PixelsToCellsForEachBoardSize) {
    const std::tuple<int16_t, int, int, Cell> cases[] = {
        {5, 70, 100, {0, 0}},
        {5, 69, 99, {-1, -1}},
        {5, 169, 199, {4, 4}},
        {8, 199, 230, {7, 8}},
        {12, INT_MIN, INT_MIN, {-1, -1}},
        // Far right or below stays off the grid instead of wrapping back onto it.
        {12, 20 * 256 + 5, 30 + 20 * 259, {127, 127}},
        {5, INT_MAX, INT_MAX, {127, 127}},
    };
    for (auto [gridSize, px, py, cell] : cases) {
        Board board{gridSize};
        ComputeBoardOrigin(board);
        EXPECT_EQ(HitTest(board, px, py), cell) << gridSize << " " << px << "," << py;
    }
}

using Stylus = GameFixture;

TEST_F(Stylus, ASolutionArrangedAnotherWayFinishesWithoutQuestionOrPenalty) {
    // Every line but 1 drawn; line 1 can fill its 3 x 3 block by rows or by columns.
    LoadPuzzle({
        "1 ─ ┐ 2 3",  //
        "┌ ─ ┘ │ │",  //
        "└ ─ 1 │ │",  //
        "4 ─ 4 │ │",  //
        "5 ─ 5 2 3",  //
    });
    Drag({{3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}});
    Drag({{4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}});
    Drag({{0, 3}, {1, 3}, {2, 3}});
    Drag({{0, 4}, {1, 4}, {2, 4}});
    driver.Wait(7000);
    Drag({{0, 0}, {0, 1}, {0, 2}, {1, 2}, {1, 1}, {1, 0}, {2, 0}, {2, 1}, {2, 2}});
    EXPECT_EQ(state.phase, Finished);
    EXPECT_EQ(state.endCheck, -1);
    EXPECT_EQ(state.elapsedMs, 7000);
    EXPECT_EQ(At(board.traceMarks, 1, 0), 1);  // the release shows the solution's line
    // Held on the grid: the player's own lines; off it, none.
    Press({1, 1});
    EXPECT_EQ(state.selectMode, SelectProposal);
    EXPECT_EQ(At(board.traceMarks, 0, 1), 1);
    driver.Move(5, 5);
    EXPECT_EQ(board.traceMarks, Layer{});
    driver.Release(5, 5);
    EXPECT_EQ(state.selectMode, SelectNone);
    EXPECT_EQ(board.traceMarks, Layer{});
}

}  // namespace
}  // namespace velinor::test
