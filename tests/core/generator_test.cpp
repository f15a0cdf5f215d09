#include "core/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "core/trace.h"
#include "platform/random/random.h"
#include "tests/support/board_text.h"
#include "tests/support/seeded_draws.h"

namespace velinor {
namespace {

using test::At;
using test::BoardFromRows;
using test::DrawAfterSeed;
using test::LayerFromRows;

constexpr int16_t LetterSymbols = 1;
constexpr int16_t SignSymbols = 2;

int CountEmpty(const Layer& layer) {
    return static_cast<int>(std::count(layer.begin(), layer.end(), 0));
}

// The number of values on exactly two cells, and the highest value on any cell.
std::pair<int, int> PairsAndHighest(const Board& board) {
    const int highest = *std::max_element(board.solution.begin(), board.solution.end());
    int pairs = 0;
    for (int v = 1; v <= highest; ++v)
        pairs += std::count(board.solution.begin(), board.solution.end(), v) == 2;
    return {pairs, highest};
}

TEST(GeneratePuzzle, KeepsEveryPromiseAtEverySizeAndSymbolSet) {
    int tooMany = 0;
    std::array<int, 2> digitsLeavingOutTheHighest{};  // [1]: the unused value was p + 1
    for (int16_t size : {5, 8, 12}) {
        for (int16_t symbolSet : {DigitSymbols, LetterSymbols, SignSymbols}) {
            int valid = 0;
            for (uint64_t seed = 0; seed < 300; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << "size " << size << " set " << symbolSet << " seed " << seed);
                Board board{size};
                board.player.fill(7);
                board.revealed.fill(1);
                board.traceMarks.fill(50);
                SeedRandom(seed);
                const int16_t result = GeneratePuzzle(board, symbolSet);
                for (const Layer* layer : {&board.player, &board.revealed, &board.traceMarks})
                    ASSERT_EQ(*layer, Layer{});
                const auto [pairs, highest] = PairsAndHighest(board);
                if (result == 1) {
                    ++tooMany;
                    EXPECT_GE(highest, 19);
                    EXPECT_EQ(pairs, highest) << "raw pair numbers 1 to p, each twice";
                    continue;
                }
                ASSERT_EQ(CheckLayer(board, LayerSolution), result);
                if (result != 0) continue;
                ++valid;
                EXPECT_EQ(CountEmpty(board.solution), LayerCells - size * size)
                    << "outside the grid";
                EXPECT_LE(pairs, 18);
                if (symbolSet == DigitSymbols) {
                    EXPECT_LE(highest, pairs + 1);
                    ++digitsLeavingOutTheHighest[highest == pairs];
                } else {
                    EXPECT_LE(highest, SymbolLabelCount);
                }
            }
            EXPECT_GT(valid, 150) << "size " << size << " set " << symbolSet;
        }
    }
    EXPECT_GT(tooMany, 0) << "the too-many-pairs case was never reached";
    EXPECT_GT(digitsLeavingOutTheHighest[0], 0) << "the digit left out is a random one";
    EXPECT_GT(digitsLeavingOutTheHighest[1], 0);
}

TEST(GeneratePuzzle, RepeatsForTheSameSeedAndStaysInsideTheLayersForOddSizes) {
    Board first{12}, again{12};
    SeedRandom(2024);
    const int16_t result = GeneratePuzzle(first, SignSymbols);
    SeedRandom(2024);
    EXPECT_EQ(GeneratePuzzle(again, SignSymbols), result);
    EXPECT_EQ(again.solution, first.solution);
    // A size beyond the layers fills all 12 x 12 of them; one cell holds no path.
    for (int16_t size : {1, 0, -4, 40}) {
        Board board{size};
        const int16_t odd = GeneratePuzzle(board, SignSymbols);
        EXPECT_EQ(CountEmpty(board.solution), size > MaxGridSize ? 0 : LayerCells) << size;
        EXPECT_TRUE(size != 1 || odd != 0);
    }
}

TEST(PickPathStart, ScansRowByRowFromARandomCellAndTakesANeighbourByTheChoiceRule) {
    // Two cells qualify, 6th and 18th in row order: (1, 1) with four empty neighbours and (3, 3)
    // with Down (choice 0) and Right (choice 2), where k = 1 or 2 lands on Right.
    Board board = BoardFromRows({"1 . 2 ─ 2", ". . . 3 │", "4 . 5 │ 3", "│ 5 ┘ . .", "4 6 ─ . 6"});
    const Cell aroundFirst[] = {{1, 2}, {1, 0}, {2, 1}, {0, 1}};  // Down, Up, Right, Left
    Cell a = NoCell;
    Direction back = Up;
    for (uint64_t seed = 0; seed < 100; ++seed) {
        const uint32_t k = DrawAfterSeed(seed, 2) & 3;
        const int x = static_cast<int>((DrawAfterSeed(seed, 0) & 255) % 5);
        const int y = static_cast<int>((DrawAfterSeed(seed, 1) & 255) % 5);
        const bool second = y * 5 + x > 6 && y * 5 + x <= 18;
        const Cell expected = !second ? aroundFirst[k] : k == 1 || k == 2 ? Cell{4, 3} : Cell{3, 4};
        ASSERT_TRUE(PickPathStart(board, a, back));
        EXPECT_EQ(a, expected) << "seed " << seed;
        EXPECT_EQ(Neighbour(a, back), (second ? Cell{3, 3} : Cell{1, 1})) << "seed " << seed;
    }
    // With both filled no empty cell has two empty neighbours.
    board.solution[CellIndex(1, 1)] = board.solution[CellIndex(3, 3)] = 7;
    const Layer filled = board.solution;
    EXPECT_FALSE(PickPathStart(board, a, back));
    EXPECT_EQ(board.solution, filled);
}

TEST(RandomWalkPath, FollowsTheOnlyWayUntilBoxedInOrLongEnoughAndRefusesBadStarts) {
    // A corridor of empty cells from (0, 0): right along row 0, then down column 4.
    const Board corridor =
        BoardFromRows({". . . . .", "1 ─ ─ 1 .", "2 ─ ─ 2 .", "3 ─ ─ 3 .", "4 ─ ─ 4 ."});
    // maxLen, length, where the path ends
    const int cases[][4] = {{29, 9, 4, 4}, {9, 9, 4, 4}, {6, 6, 4, 1}, {3, 3, 2, 0}};
    for (const auto& [maxLen, length, lastX, lastY] : cases) {
        Board board = corridor;
        SeedRandom(static_cast<uint64_t>(maxLen));
        EXPECT_EQ(RandomWalkPath(board, {0, 0}, Right, maxLen, 9), length) << maxLen;
        EXPECT_EQ(At(board.solution, 0, 0), 9);
        EXPECT_EQ(At(board.solution, lastX, lastY), 9) << maxLen;
        EXPECT_EQ(MarkLine(board, LayerSolution, 0, 0), length) << "one joined line";
    }
    Board board{5};
    EXPECT_EQ(RandomWalkPath(board, {-1, 0}, Right, 10, 3), -2);
    EXPECT_EQ(board.solution, Layer{});
    EXPECT_EQ(RandomWalkPath(board, {0, 0}, 0, 10, 3), -1);
    EXPECT_EQ(RandomWalkPath(board, {0, 0}, Left, 10, 3), -2);
}

TEST(ExtendEndpoints, AnEndpointMovedIntoACellCanMoveOnInTheSamePass) {
    Board board = BoardFromRows({"1 ─ 1 . .", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ . ─ ─", "─ ─ ─ ─ ─"});
    EXPECT_EQ(ExtendEndpoints(board), 2);
    EXPECT_EQ(board.solution,
              LayerFromRows({"1 ─ ─ ─ 1", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ . ─ ─", "─ ─ ─ ─ ─"}))
        << "a cell next to no endpoint stays empty";
}

TEST(ShuffleBytes, PermutesTheFirstCountEntriesWithTwoDrawsPerSwap) {
    LabelTable identity{};
    std::iota(identity.begin(), identity.end(), 1);
    // count, draws used: count * 100 swaps taken as a signed 16-bit number; a count beyond the
    // table shuffles the whole table.
    const int cases[][2] = {{19, 3800}, {1, 200}, {0, 0}, {400, 0}, {25, 5000}};
    for (const auto& [count, draws] : cases) {
        LabelTable table = identity;
        SeedRandom(77);
        ShuffleBytes(table, count);
        const uint32_t next = Random();  // before DrawAfterSeed seeds again
        EXPECT_EQ(next, DrawAfterSeed(77, draws)) << count;
        EXPECT_EQ(table == identity, draws <= 200) << count;
        EXPECT_TRUE(count >= 20 || table[19] == 20) << "only the first count entries move";
        std::sort(table.begin(), table.end());
        EXPECT_EQ(table, identity) << count;
    }
}

}  // namespace
}  // namespace velinor
