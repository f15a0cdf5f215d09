#include "core/generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "core/gap_repair.h"
#include "core/random_choice.h"
#include "core/trace.h"
#include "platform/random/random.h"
#include "platform/random/random_pairs.h"

namespace velinor {

namespace {

// Order in which paths and endpoints look at a cell's neighbours: the index of a random choice.
// Candidates below follows it.
constexpr std::array<Direction, 4> ChoiceOrder = {Down, Up, Right, Left};

// The tests Candidates applies to a neighbour.
constexpr auto Empty = [](int8_t v) { return v == 0; };
constexpr auto Endpoint = [](int8_t v) { return v > 0; };

// The set of c's neighbours that lie in the n x n grid and pass the test, bit k for ChoiceOrder[k].
template <typename Test>
unsigned Candidates(const Board& board, int n, Cell c, Test test) {
    unsigned available = 0;
    for (int k = 0; k < 4; ++k) {
        const int j = NeighbourIndex(n, c.x, c.y, ChoiceOrder[k]);
        if (j >= 0 && test(board.solution[j])) available |= 1u << k;
    }
    return available;
}

// (Random AND 255) mod n, the reduction for cell coordinates and path lengths.
int RandomBelow(int n) {
    return static_cast<int>((Random() & 255) % static_cast<uint32_t>(n));
}

}  // namespace

bool PickPathStart(Board& board, Cell& a, Direction& dirBack) {
    const int n = GridExtent(board);
    if (n == 0) return false;
    int x = RandomBelow(n);
    int y = RandomBelow(n);
    for (int examined = 0; examined < n * n; ++examined) {
        const Cell s{static_cast<int8_t>(x), static_cast<int8_t>(y)};
        const unsigned available =
            board.solution[CellIndex(x, y)] == 0 ? Candidates(board, n, s, Empty) : 0;
        if (std::popcount(available) >= 2) {
            const int k = RandomChoice(available);
            a = Neighbour(s, ChoiceOrder[k]);
            dirBack = Opposite(ChoiceOrder[k]);
            return true;
        }
        if (++x == n) {
            x = 0;
            if (++y == n) y = 0;
        }
    }
    return false;
}

int8_t RandomWalkPath(Board& board, Cell a, int16_t dirBack, int maxLen, int8_t pair) {
    const int n = GridExtent(board);
    if (!InGrid(board, a.x, a.y)) return -2;
    board.solution[CellIndex(a.x, a.y)] = pair;
    if (dirBack < Up || dirBack > Left) return -1;
    const Cell s = Neighbour(a, dirBack);
    if (!InGrid(board, s.x, s.y)) return -2;

    int len = 2;
    Cell cur = s;
    int towardPrev = Opposite(dirBack);
    while (len < maxLen) {
        const unsigned available = Candidates(board, n, cur, Empty);
        if (available == 0) break;
        const Direction step = ChoiceOrder[RandomChoice(available)];
        // MakePiece(next, cur, prev), from the directions already at hand.
        board.solution[CellIndex(cur.x, cur.y)] = PieceCode(step, towardPrev);
        ++len;
        cur = Neighbour(cur, step);
        towardPrev = Opposite(step);
    }
    board.solution[CellIndex(cur.x, cur.y)] = pair;
    return static_cast<int8_t>(len);
}

int16_t ExtendEndpoints(Board& board) {
    const int n = GridExtent(board);
    int count = 0;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const Cell e{static_cast<int8_t>(x), static_cast<int8_t>(y)};
            if (board.solution[CellIndex(x, y)] != 0) continue;
            const unsigned available = Candidates(board, n, e, Endpoint);
            if (available == 0) continue;
            const Cell p = Neighbour(e, ChoiceOrder[RandomChoice(available)]);
            // The endpoint's line neighbour: the piece facing it.
            Cell q = NoCell;
            for (int d = Up; d <= Left && q == NoCell; ++d) {
                const int j = NeighbourIndex(n, p.x, p.y, d);
                if (j >= 0 && HasSide(board.solution[j], Opposite(d))) q = Neighbour(p, d);
            }
            // Every generated line has a piece next to its endpoints; a lone endpoint stays put.
            if (q == NoCell) continue;
            board.solution[CellIndex(x, y)] = board.solution[CellIndex(p.x, p.y)];
            board.solution[CellIndex(p.x, p.y)] = MakePiece(e, p, q);
            ++count;
        }
    }
    return static_cast<int16_t>(count);
}

void ShuffleBytes(LabelTable& table, int count) {
    const int16_t swaps = static_cast<int16_t>(count * 100);
    if (count <= 0 || swaps <= 0) return;
    ForEachRandomPair(swaps, std::min<uint32_t>(static_cast<uint32_t>(count), LabelTable{}.size()),
                      [&table](uint32_t i, uint32_t j) { std::swap(table[i], table[j]); });
}

int16_t GeneratePuzzle(Board& board, int16_t symbolSet) {
    for (Layer* layer :
         {&board.solution, &board.player, &board.errorMarks, &board.revealed, &board.traceMarks}) {
        ClearLayer(*layer);
    }
    int8_t nextPair = 1;
    const int n = GridExtent(board);

    Cell a;
    Direction dirBack;
    while (PickPathStart(board, a, dirBack)) {
        const int maxLen = n + n / 2 + RandomBelow(n);
        if (RandomWalkPath(board, a, dirBack, maxLen, nextPair) < 3) break;
        ++nextPair;
    }

    if (ExtendEndpoints(board) > 0) ExtendEndpoints(board);
    AddDetours(board);
    while (SplitLineIntoCell(board, nextPair) != 0)
        ExtendEndpoints(board);
    ClearLayer(board.traceMarks);

    if (nextPair > SymbolLabelCount) return 1;
    if (symbolSet != DigitSymbols) nextPair = SymbolLabelCount;

    LabelTable labels{};
    for (int i = 0; i < nextPair; ++i)
        labels[i] = static_cast<int8_t>(i + 1);
    ShuffleBytes(labels, nextPair);
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            int8_t& v = board.solution[CellIndex(x, y)];
            if (v > 0) v = labels[v];
        }
    }
    return CheckLayer(board, LayerSolution);
}

}  // namespace velinor
