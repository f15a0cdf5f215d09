#include "game/finish.h"

#include "core/trace.h"
#include "game/clock.h"
#include "game/new_game.h"
#include "platform/window/window_system.h"

namespace velinor {

namespace {

// The statistics are 32-bit counters; a hand-edited store near their limit wraps them as the
// device did rather than overflowing.
int32_t WrappingAdd(int32_t total, int64_t amount) {
    return static_cast<int32_t>(static_cast<uint32_t>(total) + static_cast<uint32_t>(amount));
}

// Counts the game for the current player and difficulty, rawMs without penalties.
void RecordGame(GameContext& game, int32_t rawMs) {
    Settings& settings = game.settings;
    const GameState& state = game.state;
    // A player or difficulty from a hand-edited store has no statistics to count into.
    if (settings.player < 0 || settings.player >= PlayerCount || settings.difficulty < 0 ||
        settings.difficulty >= DifficultyCount)
        return;
    PlayerStats& stats = settings.stats[settings.player][settings.difficulty];
    stats.totalplay = WrappingAdd(stats.totalplay, 1);
    stats.totaltime = WrappingAdd(stats.totaltime, rawMs);
    stats.totalpenal = WrappingAdd(stats.totalpenal, state.penaltyCells);
    if (stats.totalplay == 1) {
        stats.besttime = state.elapsedMs;
    } else if (state.elapsedMs < stats.besttime) {
        stats.besttime = state.elapsedMs;
        const int32_t language = settings.language;
        game.window.MessageBox(Localized(language, "Best time!", "Meilleur temps!"),
                               Localized(language, "Congratulations", "Félicitations"), MB_OK);
    }
    AddTime(stats.histo, state.elapsedMs, settings.difficulty);
    SaveSettings(settings);
}

}  // namespace

void FinishGame(GameContext& game) {
    EndIntro(game);
    GameState& state = game.state;
    if (state.phase != Playing || state.clockStart == 0) return;
    state.endCheck = CheckSolved(game.board);
    if (state.endCheck >= 1 && AskAbort(game) != IDOK) return;
    state.phase = Finished;
    StopTimer(game);
    state.clockEnd = GetTickCount();
    state.elapsedMs = static_cast<int32_t>(state.clockEnd - state.clockStart);
    if (state.elapsedMs > LongestRecordedMs) {
        state.elapsedMs = 0;
        return;
    }
    if (state.elapsedMs == 0) return;
    if (state.exampleMode != 0) {
        RequestRepaint(game.window);
        return;
    }
    const int32_t rawMs = state.elapsedMs;
    // Every cell left empty or drawn otherwise costs like a revealed one.
    if (state.endCheck >= 1) state.penaltyCells += CountDifferingCells(game.board);
    state.elapsedMs = WrappingAdd(rawMs, int64_t{state.penaltyCells} * PenaltyPerCellMs);
    RecordGame(game, rawMs);
    state.redrawMode = RedrawFull;
    RequestRepaint(game.window);
}

}  // namespace velinor
