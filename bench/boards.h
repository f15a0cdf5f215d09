// Boards the benchmarks share.
#pragma once

#include "core/board.h"

namespace velinor {

// A solved 12 x 12 puzzle of 18 straight lines in the solution layer: each even row one line
// across, each odd row two lines of six cells.
inline Board StraightLinesTwelve() {
    Board board;
    board.gridSize = 12;
    int8_t label = 1;
    auto lay = [&](int y, int x0, int x1) {
        board.solution[CellIndex(x0, y)] = label;
        for (int x = x0 + 1; x < x1; ++x)
            board.solution[CellIndex(x, y)] = -24;
        board.solution[CellIndex(x1, y)] = label++;
    };
    for (int y = 0; y < 12; y += 2) {
        lay(y, 0, 11);
        lay(y + 1, 0, 5);
        lay(y + 1, 6, 11);
    }
    ComputeBoardOrigin(board);
    return board;
}

}  // namespace velinor
