#include "game/stroke.h"

#include <cstdlib>

#include "core/trace.h"

namespace velinor {

namespace {

constexpr int8_t TargetMark = 50;

bool Adjacent(Cell a, Cell b) {
    return (a.x == b.x && std::abs(a.y - b.y) == 1) || (a.y == b.y && std::abs(a.x - b.x) == 1);
}

// Endpoints and revealed cells are never drawn over. A cell off the grid (where an early press
// during the opening animation may have left the stroke) takes nothing either.
bool TakesPiece(const Board& board, Cell c) {
    if (!InGrid(board, c.x, c.y)) return false;
    const int i = CellIndex(c.x, c.y);
    return board.player[i] <= 0 && board.revealed[i] == 0;
}

// The symbol of the last marked endpoint: its partner, if the line does not reach it yet, gets
// the target mark.
void MarkTarget(Board& board, GameState& state) {
    const int size = GridExtent(board);
    int8_t symbol = 0;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            const int i = CellIndex(x, y);
            if (board.traceMarks[i] != 0 && board.solution[i] > 0) symbol = board.solution[i];
        }
    }
    if (symbol == 0) return;
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            const int i = CellIndex(x, y);
            if (board.solution[i] != symbol || board.traceMarks[i] != 0) continue;
            board.traceMarks[i] = TargetMark;
            state.target = {static_cast<int8_t>(x), static_cast<int8_t>(y)};
        }
    }
}

}  // namespace

void StrokeStep(Board& board, GameState& state, Cell n) {
    if (n != state.current) {
        Cell c = state.current;
        Cell p = state.previous;
        // A diagonal move or a jump restarts the stroke at n.
        if (!Adjacent(n, c)) c = p = NoCell;
        // The cell the stroke leaves gets the piece joining where it came from and where it goes;
        // going back to the previous cell writes nothing.
        if (p != NoCell && n != p && TakesPiece(board, c))
            board.player[CellIndex(c.x, c.y)] = MakePiece(p, c, n);
        state.previous = c;
        state.current = n;
    }
    // A cell just entered has no piece yet: show the line up to the cell just left.
    const Cell p = state.previous;
    const bool justEntered = board.player[CellIndex(n.x, n.y)] == 0 && InGrid(board, p.x, p.y);
    const Cell lit = justEntered ? p : n;
    MarkLine(board, LayerPlayer, lit.x, lit.y);
    MarkTarget(board, state);
}

}  // namespace velinor
