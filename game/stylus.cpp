#include "game/stylus.h"

#include <algorithm>
#include <cstdint>

#include "core/trace.h"
#include "game/clock.h"
#include "game/finish.h"
#include "game/hint.h"
#include "game/stroke.h"
#include "platform/window/window_system.h"

namespace velinor {

namespace {

int8_t CellCoordinate(int pixel, int origin) {
    if (pixel < origin) return -1;
    const int64_t cell = (int64_t{pixel} - origin) / CellSize;
    return static_cast<int8_t>(std::min<int64_t>(cell, INT8_MAX));
}

// A press during the opening animation only ends it.
void EndIntroByPress(GameContext& game, Cell n) {
    EndIntro(game);
    game.state.current = n;
    game.state.previous = NoCell;
    RequestRepaint(game.window);
    game.window.UpdateWindow();
}

// After the game the stylus shows the solution's line under it, or the player's own lines when
// they differ from the solution.
void ShowFinishedBoard(GameContext& game, Cell n) {
    GameState& state = game.state;
    state.current = n;
    int16_t layer = LayerSolution;
    if (state.endCheck == 0) {
        state.selectMode = SelectNone;
    } else {
        state.selectMode = SelectProposal;
        layer = LayerPlayer;
    }
    if (InGrid(game.board, n.x, n.y)) {
        MarkLine(game.board, layer, n.x, n.y);
    } else {
        ClearLayer(game.board.traceMarks);
    }
}

void PlayOnCell(GameContext& game, Cell n) {
    GameState& state = game.state;
    if (state.eventCount == 0) {
        state.clockStart = GetTickCount();
        StartClockTimer(game);
    }
    ++state.eventCount;
    if (state.selectMode == SelectHintCell) {
        RevealLine(game, n);
        state.selectMode = SelectNone;
    } else if (state.tapLatch == 0) {
        StrokeStep(game.board, state, n);
        state.redrawMode = RedrawIncremental;
    }
    if (CheckSolved(game.board) <= 0) FinishGame(game);
}

void Press(GameContext& game, Cell n) {
    GameState& state = game.state;
    state.redrawMode = RedrawFull;
    state.target = NoCell;
    if (state.introStart != 0) {
        EndIntroByPress(game, n);
        return;
    }
    if (state.phase == Paused) {
        ResumeGame(game);
    } else if (state.phase == Finished) {
        ShowFinishedBoard(game, n);
    } else if (!InGrid(game.board, n.x, n.y)) {
        // Leaving the grid ends the stroke and cancels a pending hint at no cost.
        state.current = NoCell;
        state.previous = NoCell;
        ClearLayer(game.board.traceMarks);
        state.selectMode = SelectNone;
    } else {
        PlayOnCell(game, n);
    }
    state.tapLatch = 0;
    RequestRepaint(game.window);
}

}  // namespace

Cell HitTest(const Board& board, int px, int py) {
    return {CellCoordinate(px, board.originX), CellCoordinate(py, board.originY)};
}

void OnLButtonDown(GameContext& game, int px, int py) {
    Press(game, HitTest(game.board, px, py));
}

void OnMouseMove(GameContext& game, int px, int py) {
    OnLButtonDown(game, px, py);
}

void OnLButtonDblClk(GameContext& game, int px, int py) {
    GameState& state = game.state;
    Board& board = game.board;
    const Cell n = HitTest(board, px, py);
    if (state.introStart != 0) {
        EndIntroByPress(game, n);
        return;
    }
    if (n != state.current) {
        Press(game, n);
        return;
    }
    // A double tap on the current cell erases that one piece, whatever line it belongs to; the
    // release that follows repaints.
    state.current = NoCell;
    state.previous = NoCell;
    if (InGrid(board, n.x, n.y) && board.solution[CellIndex(n.x, n.y)] < 0 &&
        state.phase == Playing) {
        board.player[CellIndex(n.x, n.y)] = 0;
        CheckSolved(board);  // for its marks of faulty cells
    }
    state.tapLatch = 1;
}

void OnLButtonUp(GameContext& game) {
    GameState& state = game.state;
    ClearLayer(game.board.traceMarks);
    if (state.phase == Finished) {
        state.selectMode = SelectNone;
        const Cell c = state.current;
        if (InGrid(game.board, c.x, c.y)) MarkLine(game.board, LayerSolution, c.x, c.y);
    }
    state.redrawMode = RedrawFull;
    RequestRepaint(game.window);
}

}  // namespace velinor
