#include "core/gap_repair.h"

#include <array>

#include "core/random_choice.h"
#include "core/trace.h"
#include "platform/random/random.h"

namespace velinor {

namespace {

Cell Offset(Cell c, int dx, int dy) {
    return {static_cast<int8_t>(c.x + dx), static_cast<int8_t>(c.y + dy)};
}

int8_t& At(Board& board, Cell c) {
    return board.solution[CellIndex(c.x, c.y)];
}

// One side on which a line can make a detour through the empty pair E, F: the joined cells G
// and H beside them (as offsets from E), the pieces E and F become and how G and H turn.
struct DetourSide {
    int8_t gdx, gdy, hdx, hdy;
    int8_t pieceE, pieceF;
    Direction newSide, gKeep, gOtherwise, hKeep, hOtherwise;
};

// F as an offset from E, and the two sides in the order they are tried.
struct DetourPair {
    int8_t fdx, fdy;
    std::array<DetourSide, 2> sides;
};

// clang-format off
constexpr DetourPair VerticalPair = {0, 1, {{
    {-1, 0, -1, 1, -34, -14, Right, Up, Left, Down, Left},  // the stretch on the left
    {1, 0, 1, 1, -23, -12, Left, Up, Right, Down, Right},   // the stretch on the right
}}};

constexpr DetourPair HorizontalPair = {1, 0, {{
    {0, -1, 1, -1, -12, -14, Down, Up, Left, Up, Right},    // the stretch above
    {0, 1, 1, 1, -23, -34, Up, Down, Left, Down, Right},    // the stretch below
}}};
// clang-format on

bool IsEmpty(const Board& board, Cell c) {
    return InGrid(board, c.x, c.y) && board.solution[CellIndex(c.x, c.y)] == 0;
}

// The first grid cell, x outer and y inner, that traceMarks marks and that holds an endpoint
// (label 0) or the given label; NoCell when there is none.
Cell FirstMarkedEndpoint(const Board& board, int label) {
    const int n = GridExtent(board);
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int i = CellIndex(x, y);
            const int v = board.solution[i];
            if ((board.traceMarks[i] != 0) & (v > 0) & ((label == 0) | (v == label)))
                return {static_cast<int8_t>(x), static_cast<int8_t>(y)};
        }
    }
    return NoCell;
}

// Diagonal neighbours of an empty cell, in the order a split scores them.
constexpr std::array<std::array<int8_t, 2>, 4> Diagonals = {{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};

// How well the line through the diagonal cell d can be cut to take in e: 0 when it cannot be
// without leaving a line of two cells.
int SplitScore(const Board& board, Cell e, int dx, int dy) {
    const Cell d = Offset(e, dx, dy);
    if (!InGrid(board, d.x, d.y) || board.solution[CellIndex(d.x, d.y)] >= 0) return 0;
    const int joined =
        PiecesJoined(board, d, Offset(e, 0, dy)) + PiecesJoined(board, d, Offset(e, dx, 0));
    if (joined == 2) return 1;
    if (joined == 0) return 0;
    return PiecesJoined(board, d, Offset(e, dx, 2 * dy)) +
           PiecesJoined(board, d, Offset(e, 2 * dx, dy));
}

}  // namespace

int PiecesJoined(const Board& board, Cell c1, Cell c2) {
    // The direction from c1 to c2, [dx + 1][dy + 1]; 0, no side of any cell, unless they are
    // orthogonal neighbours.
    constexpr int8_t StepDirection[3][3] = {{0, Left, 0}, {Up, 0, Down}, {0, Right, 0}};
    const int dx = c2.x - c1.x;
    const int dy = c2.y - c1.y;
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return 0;
    const int d = StepDirection[dx + 1][dy + 1];
    if (!InGrid(board, c1.x, c1.y) || !InGrid(board, c2.x, c2.y)) return 0;
    return HasSide(board.solution[CellIndex(c1.x, c1.y)], d) &&
           HasSide(board.solution[CellIndex(c2.x, c2.y)], Opposite(d));
}

int8_t ReplaceSide(int newSide, int v, int keep, int otherwise) {
    return PieceCode(newSide, HasSide(v, keep) ? keep : otherwise);
}

int16_t AddDetours(Board& board) {
    const int n = GridExtent(board);
    int count = 0;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const Cell e{static_cast<int8_t>(x), static_cast<int8_t>(y)};
            if (At(board, e) != 0) continue;
            const DetourPair* pair = nullptr;
            if (IsEmpty(board, Offset(e, 0, 1))) {
                pair = &VerticalPair;
            } else if (IsEmpty(board, Offset(e, 1, 0))) {
                pair = &HorizontalPair;
            } else {
                continue;
            }
            for (const DetourSide& side : pair->sides) {
                const Cell g = Offset(e, side.gdx, side.gdy);
                const Cell h = Offset(e, side.hdx, side.hdy);
                if (!PiecesJoined(board, g, h)) continue;
                At(board, e) = side.pieceE;
                At(board, Offset(e, pair->fdx, pair->fdy)) = side.pieceF;
                At(board, g) = ReplaceSide(side.newSide, At(board, g), side.gKeep, side.gOtherwise);
                At(board, h) = ReplaceSide(side.newSide, At(board, h), side.hKeep, side.hOtherwise);
                ++count;
                break;
            }
        }
    }
    return static_cast<int16_t>(count);
}

int16_t SplitLineIntoCell(Board& board, int8_t& nextPair) {
    const int n = GridExtent(board);
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const Cell e{static_cast<int8_t>(x), static_cast<int8_t>(y)};
            if (At(board, e) != 0) continue;
            // Diagonals with a non-zero score, bit k for diagonal k.
            unsigned splittable = 0;
            for (int k = 0; k < 4; ++k) {
                const bool scores = SplitScore(board, e, Diagonals[k][0], Diagonals[k][1]) > 0;
                splittable |= static_cast<unsigned>(scores) << k;
            }
            if (splittable == 0) continue;

            const int k = RandomChoice(splittable);
            const int dx = Diagonals[k][0];
            const int dy = Diagonals[k][1];
            const Cell d = Offset(e, dx, dy);
            const Cell na = Offset(e, 0, dy);
            const bool viaNa = PiecesJoined(board, d, na) != 0;
            const Cell nCell = viaNa ? na : Offset(e, dx, 0);
            const int toD = viaNa ? (dx > 0 ? Right : Left) : (dy > 0 ? Down : Up);

            MarkLine(board, LayerSolution, d.x, d.y);
            const Cell first = FirstMarkedEndpoint(board, 0);
            // A closed loop has no endpoint to give its pair number; leave the cell for later.
            if (first == NoCell) continue;
            const int8_t sym = At(board, first);
            At(board, e) = sym;

            const Sides sides = PieceSides(At(board, nCell));
            const int o = sides.low == toD ? sides.high : sides.low;
            At(board, nCell) = MakePiece(e, nCell, Neighbour(nCell, o));

            MarkLine(board, LayerSolution, d.x, d.y);
            const Cell farEnd = FirstMarkedEndpoint(board, sym);
            if (farEnd != NoCell) At(board, farEnd) = nextPair;
            At(board, d) = nextPair;
            ++nextPair;
            return 1;
        }
    }
    return 0;
}

}  // namespace velinor
