#include "game/new_game.h"

#include "core/generator.h"
#include "core/trace.h"
#include "game/clock.h"

namespace velinor {

namespace {

int16_t GridSizeFor(int32_t difficulty) {
    switch (difficulty) {
        case 1:
            return 8;
        case 2:
            return 12;
        default:
            return 5;
    }
}

}  // namespace

void StartNewGame(GameContext& game) {
    Board& board = game.board;
    GameState& state = game.state;
    LoadSettings(game.settings);
    board.gridSize = GridSizeFor(game.settings.difficulty);
    state.penaltyCells = 0;
    state.phase = Playing;
    state.exampleMode = 0;
    state.eventCount = 0;
    state.endCheck = -1;
    state.elapsedMs = 0;
    state.clockStart = 0;
    state.clockEnd = 0;
    state.selectMode = SelectNone;
    state.redrawMode = RedrawFull;
    ComputeBoardOrigin(board);
    state.current = NoCell;
    state.previous = NoCell;
    // The last attempt stands whatever it returned; OnNewGame reports a faulty one.
    for (int attempt = 1;
         GeneratePuzzle(board, game.settings.symbolSet) != 0 && attempt < GenerateAttempts;
         ++attempt) {
    }
    for (int i = 0; i < LayerCells; ++i)
        board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
}

void OnNewGame(GameContext& game) {
    EndIntro(game);
    if (ConfirmAbort(game) != AbortGoAhead) return;
    StartNewGame(game);
    if (CheckLayer(game.board, LayerSolution) != 0)
        game.window.MessageBox("Problem while generating puzzle", "Error", MB_OK);  // English only
    RequestRepaint(game.window);
}

int ConfirmAbort(GameContext& game) {
    GameState& state = game.state;
    if (state.phase == Paused) return AbortRefusedPaused;
    if (state.eventCount != 0 && state.phase == Playing) {
        int answer = AskAbort(game);
        if (answer != IDOK) return answer;
    }
    StopTimer(game);
    state.eventCount = 0;
    return AbortGoAhead;
}

int AskAbort(GameContext& game) {
    const int32_t language = game.settings.language;
    return game.window.MessageBox(Localized(language, "This will abort the current game. Continue?",
                                            "Cela va arrêter la partie en-cours. Continuer? "),
                                  Localized(language, "Warning", "Attention"), MB_OKCANCEL);
}

bool OnClose(GameContext& game) {
    EndIntro(game);
    return ConfirmAbort(game) == AbortGoAhead;
}

}  // namespace velinor
