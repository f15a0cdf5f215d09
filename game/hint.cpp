#include "game/hint.h"

#include <cstdio>

#include "core/trace.h"
#include "game/clock.h"

namespace velinor {

void OnHint(GameContext& game) {
    EndIntro(game);
    GameState& state = game.state;
    if (state.phase != Playing || state.clockStart == 0) return;
    char text[80];
    std::snprintf(text, sizeof text,
                  "One line will be revealed, and %i seconds penalty per segment",
                  PenaltyPerCellSeconds);
    game.window.MessageBox(text, "Info", MB_OK);  // English only
    state.selectMode = SelectHintCell;
    state.redrawMode = RedrawFull;
    RequestRepaint(game.window);
}

void RevealLine(GameContext& game, Cell n) {
    Board& board = game.board;
    if (!InGrid(board, n.x, n.y) || board.revealed[CellIndex(n.x, n.y)] != 0) return;
    MarkLine(board, LayerSolution, n.x, n.y);
    const int size = GridExtent(board);
    for (int x = 0; x < size; ++x) {
        for (int y = 0; y < size; ++y) {
            const int i = CellIndex(x, y);
            if (board.traceMarks[i] == 0) continue;
            board.revealed[i] = 1;
            board.player[i] = board.solution[i];
            if (board.solution[i] < 0) ++game.state.penaltyCells;
        }
    }
}

}  // namespace velinor
