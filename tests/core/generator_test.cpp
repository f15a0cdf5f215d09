#include "core/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
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

Board EmptyBoard(int16_t size) {
    Board board;
    board.gridSize = size;
    return board;
}

// How many cells of the grid hold each value 1 to 127.
std::array<int, 128> EndpointCounts(const Board& board) {
    std::array<int, 128> counts{};
    for (int x = 0; x < board.gridSize; ++x) {
        for (int y = 0; y < board.gridSize; ++y) {
            const int v = At(board.solution, x, y);
            if (v > 0) ++counts[v];
        }
    }
    return counts;
}

// Everything a successful generation promises, checked cell by cell.
void ExpectValidPuzzle(Board board, int16_t symbolSet) {
    const int n = board.gridSize;
    for (int x = 0; x < MaxGridSize; ++x) {
        for (int y = 0; y < MaxGridSize; ++y) {
            if (x < n && y < n) {
                ASSERT_NE(At(board.solution, x, y), 0) << "empty cell " << x << "," << y;
            } else {
                ASSERT_EQ(At(board.solution, x, y), 0) << "outside the grid " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(board.player, Layer{});
    EXPECT_EQ(board.revealed, Layer{});
    EXPECT_EQ(board.traceMarks, Layer{});
    EXPECT_EQ(board.errorMarks, Layer{});

    const std::array<int, 128> counts = EndpointCounts(board);
    int pairs = 0, highest = 0, covered = 0;
    for (int label = 1; label < 128; ++label) {
        if (counts[label] == 0) continue;
        ASSERT_LE(label, SymbolLabelCount);
        ASSERT_EQ(counts[label], 2) << "label " << label;
        ++pairs;
        highest = label;
    }
    EXPECT_LE(pairs, 18);
    if (symbolSet == DigitSymbols) {
        EXPECT_LE(highest, pairs + 1);
    }

    // Each line joins its two endpoints in at least 3 cells, and the lines cover the grid.
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int v = At(board.solution, x, y);
            if (v <= 0) continue;
            const int cells =
                MarkLine(board, LayerSolution, static_cast<int8_t>(x), static_cast<int8_t>(y));
            int reached = 0;
            for (int i = 0; i < LayerCells; ++i)
                reached += board.traceMarks[i] != 0 && board.solution[i] == v;
            EXPECT_EQ(reached, 2) << "label " << v;
            EXPECT_GE(cells, 3) << "label " << v;
            covered += cells;
        }
    }
    EXPECT_EQ(covered, 2 * n * n) << "each line is counted from both ends";
}

// Raw pair numbers 1 to p, p at least 19, each on exactly two cells.
void ExpectTooManyPairs(const Board& board) {
    const std::array<int, 128> counts = EndpointCounts(board);
    int highest = 0;
    for (int v = 1; v < 128; ++v)
        if (counts[v] != 0) highest = v;
    EXPECT_GE(highest, 19);
    for (int v = 1; v <= highest; ++v)
        EXPECT_EQ(counts[v], 2) << "pair " << v;
}

TEST(GeneratePuzzle, KeepsEveryPromiseAtEverySizeAndSymbolSet) {
    int tooMany = 0;
    for (int16_t size : {5, 8, 12}) {
        for (int16_t symbolSet : {DigitSymbols, LetterSymbols, SignSymbols}) {
            int valid = 0;
            for (uint64_t seed = 0; seed < 300; ++seed) {
                SCOPED_TRACE(testing::Message()
                             << "size " << size << " set " << symbolSet << " seed " << seed);
                Board board = EmptyBoard(size);
                board.player.fill(7);
                board.revealed.fill(1);
                board.traceMarks.fill(50);
                SeedRandom(seed);
                const int16_t result = GeneratePuzzle(board, symbolSet);
                if (result == 0) {
                    ++valid;
                    ExpectValidPuzzle(board, symbolSet);
                } else if (result == 1) {
                    ++tooMany;
                    ExpectTooManyPairs(board);
                } else {
                    EXPECT_EQ(CheckLayer(board, LayerSolution), result);
                }
                if (testing::Test::HasFatalFailure()) return;
            }
            EXPECT_GT(valid, 150) << "size " << size << " set " << symbolSet;
        }
    }
    EXPECT_GT(tooMany, 0) << "the too-many-pairs case was never reached";
}

TEST(GeneratePuzzle, DigitsLeaveOutOneRandomValueOfOneToPairsPlusOne) {
    std::set<bool> highestUsed;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        Board board = EmptyBoard(8);
        SeedRandom(seed);
        if (GeneratePuzzle(board, DigitSymbols) != 0) continue;
        const std::array<int, 128> counts = EndpointCounts(board);
        const int pairs = static_cast<int>(std::count(counts.begin(), counts.end(), 2));
        highestUsed.insert(counts[pairs + 1] != 0);
    }
    EXPECT_EQ(highestUsed.size(), 2u) << "the value left out is sometimes p + 1, sometimes not";
}

TEST(GeneratePuzzle, TheSameSeedGivesTheSamePuzzle) {
    for (int16_t size : {5, 8, 12}) {
        Board first = EmptyBoard(size);
        SeedRandom(2024);
        const int16_t result = GeneratePuzzle(first, SignSymbols);
        Board other = EmptyBoard(size);
        GeneratePuzzle(other, SignSymbols);
        EXPECT_NE(other.solution, first.solution) << "the sequence moved on";
        Board again = EmptyBoard(size);
        SeedRandom(2024);
        EXPECT_EQ(GeneratePuzzle(again, SignSymbols), result);
        EXPECT_EQ(again.solution, first.solution) << "size " << size;
    }
}

TEST(GeneratePuzzle, OddGridSizesStayInsideTheLayers) {
    for (int16_t size : {1, 0, -4}) {
        Board board = EmptyBoard(size);
        SeedRandom(3);
        const int16_t result = GeneratePuzzle(board, SignSymbols);
        if (size == 1) {
            EXPECT_NE(result, 0) << "no path fits into one cell";
        }
        EXPECT_EQ(board.solution, Layer{}) << size;
    }
    // A size beyond the layers generates on all 12 x 12 cells of them.
    Board board = EmptyBoard(40);
    SeedRandom(3);
    GeneratePuzzle(board, SignSymbols);
    EXPECT_EQ(std::count(board.solution.begin(), board.solution.end(), 0), 0);
}

TEST(PickPathStart, FindsOnlyEmptyCellsWithTwoEmptyNeighbours) {
    // Only (2, 2) qualifies: each of its two empty neighbours has just one.
    Board board = BoardFromRows({"1 ─ ─ ─ 1", "2 ─ ─ ─ 2", "3 ─ . . 4", "│ ┌ . ┘ │", "3 └ ─ ─ 4"});
    for (uint64_t seed = 0; seed < 40; ++seed) {
        // After x and y, the third draw chooses among Down (index 0) and Right (index 2):
        // k = 0 or 3 lands on Down, 1 or 2 steps on to Right.
        const uint32_t k = DrawAfterSeed(seed, 2) & 3;
        const Cell expected = (k == 0 || k == 3) ? Cell{2, 3} : Cell{3, 2};
        Cell a = NoCell;
        Direction back = Up;
        ASSERT_TRUE(PickPathStart(board, a, back));
        EXPECT_EQ(a, expected) << "seed " << seed;
        EXPECT_EQ(back, (k == 0 || k == 3) ? Up : Left) << "seed " << seed;
    }

    // With (2, 2) filled every empty cell has at most one empty neighbour.
    board.solution[CellIndex(2, 2)] = 5;
    const Layer before = board.solution;
    for (uint64_t seed = 0; seed < 40; ++seed) {
        SeedRandom(seed);
        Cell a = NoCell;
        Direction back = Up;
        EXPECT_FALSE(PickPathStart(board, a, back));
        EXPECT_EQ(a, NoCell);
    }
    EXPECT_EQ(board.solution, before);
}

TEST(PickPathStart, ScansRowByRowFromARandomCell) {
    // Two cells qualify: (1, 1) and (3, 3), 6th and 18th in row order.
    const Board board =
        BoardFromRows({"1 . 2 ─ 2", ". . . 3 │", "4 . 5 │ 3", "│ 5 ┘ . .", "4 6 ─ . 6"});
    int firstSeen = 0, secondSeen = 0;
    for (uint64_t seed = 0; seed < 100; ++seed) {
        const int sx = static_cast<int>((DrawAfterSeed(seed, 0) & 255) % 5);
        const int sy = static_cast<int>((DrawAfterSeed(seed, 1) & 255) % 5);
        const int start = sy * 5 + sx;
        const bool second = start > 6 && start <= 18;
        Board b = board;
        SeedRandom(seed);
        Cell a = NoCell;
        Direction back = Up;
        ASSERT_TRUE(PickPathStart(b, a, back));
        EXPECT_EQ(Neighbour(a, back), second ? (Cell{3, 3}) : (Cell{1, 1})) << "seed " << seed;
        (second ? secondSeen : firstSeen) += 1;
    }
    EXPECT_GT(firstSeen, 0);
    EXPECT_GT(secondSeen, 0);
}

TEST(RandomWalkPath, FollowsTheOnlyWayUntilBoxedInOrLongEnough) {
    // A corridor of empty cells from (0, 0): right along row 0, then down column 4.
    const auto corridor = [] {
        return BoardFromRows({". . . . .", "1 ─ ─ 1 .", "2 ─ ─ 2 .", "3 ─ ─ 3 .", "4 ─ ─ 4 ."});
    };
    struct Case {
        int maxLen;
        int8_t len;
        Cell last;
    };
    for (const Case& k :
         {Case{20, 9, {4, 4}}, Case{9, 9, {4, 4}}, Case{6, 6, {4, 1}}, Case{3, 3, {2, 0}}}) {
        Board board = corridor();
        SeedRandom(static_cast<uint64_t>(k.maxLen));
        EXPECT_EQ(RandomWalkPath(board, {0, 0}, Right, k.maxLen, 9), k.len) << k.maxLen;
        EXPECT_EQ(At(board.solution, 0, 0), 9);
        EXPECT_EQ(At(board.solution, k.last.x, k.last.y), 9) << k.maxLen;
        EXPECT_EQ(MarkLine(board, LayerSolution, 0, 0), k.len) << "one joined line";
    }
    const Board expected =
        BoardFromRows({"9 ─ ─ ─ ┐", "1 ─ ─ 1 │", "2 ─ ─ 2 │", "3 ─ ─ 3 │", "4 ─ ─ 4 9"});
    Board board = corridor();
    RandomWalkPath(board, {0, 0}, Right, 29, 9);
    EXPECT_EQ(board.solution, expected.solution);
}

TEST(RandomWalkPath, RefusesABadDirectionOrAStepOffTheGrid) {
    Board board = EmptyBoard(5);
    EXPECT_EQ(RandomWalkPath(board, {0, 0}, 0, 10, 3), -1);
    EXPECT_EQ(At(board.solution, 0, 0), 3) << "the first endpoint is written first";
    board = EmptyBoard(5);
    EXPECT_EQ(RandomWalkPath(board, {0, 0}, Left, 10, 3), -2);
    board = EmptyBoard(5);
    EXPECT_EQ(RandomWalkPath(board, {-1, 0}, Right, 10, 3), -2);
    EXPECT_EQ(board.solution, Layer{});
}

TEST(RandomWalkPath, LaysOneSelfAvoidingLineOfAtMostMaxLenCells) {
    for (uint64_t seed = 0; seed < 200; ++seed) {
        Board board = EmptyBoard(12);
        SeedRandom(seed);
        const int8_t len = RandomWalkPath(board, {5, 5}, Up, 29, 1);
        ASSERT_GE(len, 3);
        ASSERT_LE(len, 29);
        EXPECT_EQ(std::count_if(board.solution.begin(), board.solution.end(),
                                [](int8_t v) { return v != 0; }),
                  len);
        EXPECT_EQ(MarkLine(board, LayerSolution, 5, 5), len);
        EXPECT_EQ(std::count(board.traceMarks.begin(), board.traceMarks.end(), 1), len);
    }
}

TEST(ExtendEndpoints, AnEndpointMovedIntoACellCanMoveOnInTheSamePass) {
    Board board = BoardFromRows({"1 ─ 1 . .", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ . ─ ─", "─ ─ ─ ─ ─"});
    EXPECT_EQ(ExtendEndpoints(board), 2);
    const Board expected =
        BoardFromRows({"1 ─ ─ ─ 1", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ . ─ ─", "─ ─ ─ ─ ─"});
    EXPECT_EQ(board.solution, expected.solution) << "a cell next to no endpoint stays empty";
}

TEST(ExtendEndpoints, ChoosesBetweenTwoEndpointsByTheChoiceRule) {
    const Board start =
        BoardFromRows({"1 ─ 1 . 2", "─ ─ ─ ─ │", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─"});
    const Layer towardOne =
        LayerFromRows({"1 ─ ─ 1 2", "─ ─ ─ ─ │", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─"});
    const Layer towardTwo =
        LayerFromRows({"1 ─ 1 2 ┐", "─ ─ ─ ─ │", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─", "─ ─ ─ ─ ─"});
    for (uint64_t seed = 0; seed < 40; ++seed) {
        // Right is choice 2, Left choice 3: k = 0, 1 or 2 steps on to the endpoint on the right.
        const uint32_t k = DrawAfterSeed(seed, 0) & 3;
        Board board = start;
        EXPECT_EQ(ExtendEndpoints(board), 1);
        EXPECT_EQ(board.solution, k == 3 ? towardOne : towardTwo) << "seed " << seed;
    }
}

TEST(ShuffleBytes, SwapsWithTwoDrawsPerSwapAndStaysInsideTheTable) {
    const auto drawsUsed = [](int count) {
        LabelTable table{};
        std::iota(table.begin(), table.end(), 0);
        SeedRandom(77);
        ShuffleBytes(table, count);
        const uint32_t next = Random();
        SeedRandom(77);
        for (int draws = 0; draws < 10000; ++draws)
            if (Random() == next) return draws;
        return -1;
    };
    EXPECT_EQ(drawsUsed(19), 3800);
    EXPECT_EQ(drawsUsed(1), 200);
    EXPECT_EQ(drawsUsed(0), 0);
    EXPECT_EQ(drawsUsed(-3), 0);
    EXPECT_EQ(drawsUsed(400), 0) << "400 * 100 wraps to a negative 16-bit count";

    LabelTable table{};
    std::iota(table.begin(), table.end(), 1);
    std::set<int> firsts;
    for (uint64_t seed = 0; seed < 50; ++seed) {
        LabelTable shuffled = table;
        SeedRandom(seed);
        ShuffleBytes(shuffled, 19);
        EXPECT_EQ(shuffled[19], 20) << "only the first count entries move";
        LabelTable sorted = shuffled;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, table);
        firsts.insert(shuffled[0]);
    }
    EXPECT_GT(firsts.size(), 8u);

    LabelTable beyond = table;
    ShuffleBytes(beyond, 25);
    std::sort(beyond.begin(), beyond.end());
    EXPECT_EQ(beyond, table) << "a count beyond the table shuffles the whole table";

    LabelTable single = table;
    ShuffleBytes(single, 1);
    EXPECT_EQ(single, table);
}

}  // namespace
}  // namespace velinor
