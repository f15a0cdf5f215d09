#include "core/trace.h"

#include <array>

namespace velinor {

namespace {

int CountMarked(const Layer& marks) {
    int count = 0;
    for (int8_t m : marks)
        count += m != 0;
    return count;
}

// The cells one trace marked, each listed once when first reached, so that a check visits a
// line's cells instead of the whole layer.
struct Trail {
    std::array<uint8_t, LayerCells> cells;
    int count = 0;
};

void AddMark(Board& board, int i, Trail& trail) {
    int8_t& mark = board.traceMarks[i];
    if (mark == 0) trail.cells[trail.count++] = static_cast<uint8_t>(i);
    mark = static_cast<int8_t>(mark + 1);
}

// The value of cell j, or 0 (empty) for j = -1, off the grid.
int8_t ValueOrEmpty(const Layer& cells, int j) {
    return j >= 0 ? cells[j] : 0;
}

int16_t Follow(Board& board, const Layer& cells, int8_t& x, int8_t& y, int16_t dir, Trail& trail) {
    for (;;) {
        if (dir < Up || dir > Left) return BadDirection;
        const Cell next = Neighbour({x, y}, dir);
        if (!InGrid(board, next.x, next.y)) return LeftGrid;
        const int i = CellIndex(next.x, next.y);
        const int8_t v = cells[i];
        if (v > 0) {
            AddMark(board, i, trail);
            return ReachedEndpoint;
        }
        if (v == 0) return NextEmpty;
        if (!HasSide(v, Opposite(dir))) return NotFacingBack;
        if (board.traceMarks[i] != 0) return RanIntoItself;
        AddMark(board, i, trail);
        x = next.x;
        y = next.y;
        dir = static_cast<int16_t>(OtherSide(v, Opposite(dir)));
    }
}

// MarkLine, keeping the trail of the cells it marks; returns their number.
int TraceLine(Board& board, int16_t layer, int8_t x, int8_t y, Trail& trail) {
    ClearLayer(board.traceMarks);
    if (!InGrid(board, x, y)) return 0;
    const Layer& cells = SelectedLayer(board, layer);
    const int n = GridExtent(board);
    const int8_t v = cells[CellIndex(x, y)];
    if (v == 0) return 0;
    if (v < 0) {
        const Sides sides = PieceSides(v);
        for (int dir : {sides.high, sides.low}) {
            int8_t wx = x, wy = y;
            Follow(board, cells, wx, wy, static_cast<int16_t>(dir), trail);
        }
    } else {
        for (int d = Up; d <= Left; ++d) {
            const int j = NeighbourIndex(n, x, y, d);
            if (j < 0 || !HasSide(cells[j], Opposite(d))) continue;
            const Cell nb = Neighbour({x, y}, d);
            int8_t wx = nb.x, wy = nb.y;
            Follow(board, cells, wx, wy, static_cast<int16_t>(OtherSide(cells[j], Opposite(d))),
                   trail);
            AddMark(board, j, trail);
        }
    }
    AddMark(board, CellIndex(x, y), trail);
    return trail.count;
}

}  // namespace

int16_t FollowLine(Board& board, int8_t& x, int8_t& y, int16_t dir, int16_t layer) {
    Trail trail;
    return Follow(board, SelectedLayer(board, layer), x, y, dir, trail);
}

int16_t MarkLine(Board& board, int16_t layer, int8_t x, int8_t y) {
    Trail trail;
    return static_cast<int16_t>(TraceLine(board, layer, x, y, trail));
}

int16_t CheckLayer(Board& board, int16_t layer) {
    const Layer savedMarks = board.traceMarks;
    const Layer& cells = SelectedLayer(board, layer);
    Layer& errors = board.errorMarks;
    ClearLayer(errors);
    std::array<uint8_t, LayerCells> seen{};
    std::array<int8_t, CheckLabelListSize> labels{};
    int labelCount = 0;
    int faults = 0;

    const int n = GridExtent(board);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int i = CellIndex(x, y);
            const int8_t v = cells[i];
            if (v == 0) {
                ++faults;
            } else if (v > 0) {
                if (seen[i] == 0) {
                    Trail trail;
                    TraceLine(board, layer, static_cast<int8_t>(x), static_cast<int8_t>(y), trail);
                    int reached = 0;
                    for (int t = 0; t < trail.count; ++t) {
                        const int m = trail.cells[t];
                        const bool endpoint = cells[m] > 0;
                        seen[m] = static_cast<uint8_t>(seen[m] + 1);
                        reached += endpoint;
                        errors[m] = static_cast<int8_t>(errors[m] + (endpoint & (cells[m] != v)));
                    }
                    if (reached != 2) {
                        ++faults;
                        errors[i] = static_cast<int8_t>(errors[i] + 1);
                    }
                    // More endpoints than any puzzle can hold is a fault of its own.
                    if (labelCount < CheckLabelListSize) {
                        labels[labelCount++] = v;
                    } else {
                        ++faults;
                    }
                }
                // Links: neighbouring pieces that face this endpoint.
                int links = 0;
                for (int d = Up; d <= Left; ++d)
                    links += HasSide(ValueOrEmpty(cells, NeighbourIndex(n, x, y, d)), Opposite(d));
                if (links != 1) {
                    errors[i] = static_cast<int8_t>(errors[i] + 1);
                    ++faults;
                }
            } else {
                // A side is sound when the neighbour there is an endpoint or a piece facing back.
                const Sides sides = PieceSides(v);
                int sound = 0;
                for (int s : {sides.low, sides.high}) {
                    const int8_t w = ValueOrEmpty(cells, NeighbourIndex(n, x, y, s));
                    sound += (w > 0) | HasSide(w, Opposite(s));
                }
                if (sound < 2) errors[i] = static_cast<int8_t>(errors[i] + 1);
            }
        }
    }

    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int i = CellIndex(x, y);
            if (seen[i] == 0) errors[i] = static_cast<int8_t>(errors[i] + 1);
        }
    }
    for (int a = 0; a < labelCount; ++a) {
        for (int b = a + 1; b < labelCount; ++b)
            faults += labels[a] == labels[b];
    }
    faults += CountMarked(errors);  // errorMarks is cleared outside the grid

    board.traceMarks = savedMarks;
    return static_cast<int16_t>(faults);
}

int16_t CheckSolved(Board& board) {
    if (CheckLayer(board, LayerPlayer) != 0) return 1;
    if (CountDifferingCells(board) == 0) return 0;
    return -1;
}

}  // namespace velinor
