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

// A piece's side s is sound when the neighbour there is an endpoint or a piece facing back.
bool SideSound(const Board& board, const Layer& cells, Cell c, int s) {
    if (s < Up || s > Left) return false;
    Cell nb = Neighbour(c, s);
    if (!InGrid(board, nb.x, nb.y)) return false;
    int v = cells[CellIndex(nb.x, nb.y)];
    return v > 0 || HasSide(v, Opposite(s));
}

// Number of neighbours of c holding a piece that faces c.
int CountLinks(const Board& board, const Layer& cells, Cell c) {
    int links = 0;
    for (int d = Up; d <= Left; ++d) {
        Cell nb = Neighbour(c, d);
        links += InGrid(board, nb.x, nb.y) && HasSide(cells[CellIndex(nb.x, nb.y)], Opposite(d));
    }
    return links;
}

}  // namespace

int16_t FollowLine(Board& board, int8_t& x, int8_t& y, int16_t dir, int16_t layer) {
    const Layer& cells = SelectedLayer(board, layer);
    for (;;) {
        if (dir < Up || dir > Left) return BadDirection;
        Cell next = Neighbour({x, y}, dir);
        if (!InGrid(board, next.x, next.y)) return LeftGrid;
        int i = CellIndex(next.x, next.y);
        int v = cells[i];
        if (v > 0) {
            board.traceMarks[i] = static_cast<int8_t>(board.traceMarks[i] + 1);
            return ReachedEndpoint;
        }
        if (v == 0) return NextEmpty;
        int back = Opposite(dir);
        if (!HasSide(v, back)) return NotFacingBack;
        if (board.traceMarks[i] != 0) return RanIntoItself;
        board.traceMarks[i] = 1;
        x = next.x;
        y = next.y;
        dir = static_cast<int16_t>(OtherSide(v, back));
    }
}

int16_t MarkLine(Board& board, int16_t layer, int8_t x, int8_t y) {
    ClearLayer(board.traceMarks);
    if (!InGrid(board, x, y)) return 0;
    const Layer& cells = SelectedLayer(board, layer);
    const Cell start{x, y};
    int v = cells[CellIndex(x, y)];
    if (v == 0) return 0;
    if (v < 0) {
        Sides sides = PieceSides(v);
        for (int dir : {sides.high, sides.low}) {
            Cell walker = start;
            FollowLine(board, walker.x, walker.y, static_cast<int16_t>(dir), layer);
        }
    } else {
        for (int d = Up; d <= Left; ++d) {
            Cell nb = Neighbour(start, d);
            if (!InGrid(board, nb.x, nb.y)) continue;
            int nv = cells[CellIndex(nb.x, nb.y)];
            if (!HasSide(nv, Opposite(d))) continue;
            Cell walker = nb;
            FollowLine(board, walker.x, walker.y, static_cast<int16_t>(OtherSide(nv, Opposite(d))),
                       layer);
            int8_t& mark = board.traceMarks[CellIndex(nb.x, nb.y)];
            mark = static_cast<int8_t>(mark + 1);
        }
    }
    int8_t& mark = board.traceMarks[CellIndex(x, y)];
    mark = static_cast<int8_t>(mark + 1);
    // MarkLine marks grid cells only, so counting over the whole layer counts grid cells.
    return static_cast<int16_t>(CountMarked(board.traceMarks));
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
            const Cell c{static_cast<int8_t>(x), static_cast<int8_t>(y)};
            const int i = CellIndex(x, y);
            const int v = cells[i];
            if (v == 0) {
                ++faults;
            } else if (v > 0) {
                if (seen[i] == 0) {
                    MarkLine(board, layer, c.x, c.y);
                    // Branch-free over the whole layer: traceMarks is 0 outside the grid.
                    int reached = 0;
                    for (int m = 0; m < LayerCells; ++m) {
                        const int marked = board.traceMarks[m] != 0;
                        const int endpoint = marked & (cells[m] > 0);
                        seen[m] = static_cast<uint8_t>(seen[m] + marked);
                        reached += endpoint;
                        errors[m] = static_cast<int8_t>(errors[m] + (endpoint & (cells[m] != v)));
                    }
                    if (reached != 2) {
                        ++faults;
                        errors[i] = static_cast<int8_t>(errors[i] + 1);
                    }
                    // More endpoints than any puzzle can hold is a fault of its own.
                    if (labelCount < CheckLabelListSize) {
                        labels[labelCount++] = static_cast<int8_t>(v);
                    } else {
                        ++faults;
                    }
                }
                if (CountLinks(board, cells, c) != 1) {
                    errors[i] = static_cast<int8_t>(errors[i] + 1);
                    ++faults;
                }
            } else {
                const Sides sides = PieceSides(v);
                if (SideSound(board, cells, c, sides.low) + SideSound(board, cells, c, sides.high) <
                    2) {
                    errors[i] = static_cast<int8_t>(errors[i] + 1);
                }
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
