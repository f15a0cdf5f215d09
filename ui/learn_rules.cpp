#include "ui/learn_rules.h"

#include "core/trace.h"
#include "game/clock.h"
#include "game/new_game.h"
#include "ui/rules_dialog.h"

namespace velinor {

namespace {

constexpr int ExampleSize = 5;

// The example, row by row as it shows: Example[y][x]. Symbol 1 runs round column 0, symbol 2
// through column 1, symbol 3 round the right-hand side.
constexpr int8_t Example[ExampleSize][ExampleSize] = {
    {-23, 1, 2, -23, -34},      //
    {-13, -23, -14, -13, -13},  //
    {-13, -13, 3, -14, -13},    //
    {-13, -12, -24, 2, -13},    //
    {-12, 1, 3, -24, -14},      //
};

}  // namespace

void OnLearnRules(GameContext& game) {
    Board& board = game.board;
    GameState& state = game.state;
    EndIntro(game);
    if (ConfirmAbort(game) != AbortGoAhead) return;
    SaveSettings(game.settings);
    RulesDialog dialog(game.settings, &game.window);
    dialog.DoModal();  // closed either way, the example follows
    state.endCheck = -1;
    board.gridSize = ExampleSize;
    state.phase = Playing;
    state.exampleMode = 1;
    state.eventCount = 0;
    state.elapsedMs = 0;
    state.clockStart = 0;
    state.clockEnd = 0;
    ComputeBoardOrigin(board);
    ClearLayer(board.solution);
    ClearLayer(board.player);
    ClearLayer(board.revealed);
    ClearLayer(board.errorMarks);
    for (int x = 0; x < ExampleSize; ++x) {
        for (int y = 0; y < ExampleSize; ++y)
            board.solution[CellIndex(x, y)] = board.player[CellIndex(x, y)] = Example[y][x];
    }
    // The line of symbol 1 down column 0 is the one left to draw.
    for (int y = 0; y < ExampleSize; ++y)
        board.player[CellIndex(0, y)] = 0;
    state.current = NoCell;
    state.previous = NoCell;
    state.penaltyCells = 0;
    CheckSolved(board);
    // A hint awaited in the abandoned game must not carry over, and the example shows whole at
    // once rather than with whatever the dialog's closing repaints.
    state.redrawMode = RedrawFull;
    state.selectMode = SelectNone;
    RequestRepaint(game.window);
}

}  // namespace velinor
