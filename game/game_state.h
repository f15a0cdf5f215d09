// The game in progress: its phase, clock, penalties, stroke cells and the opening animation's
// place in the timer.
#pragma once

#include <cstdint>

#include "core/board.h"
#include "platform/types/geometry.h"

namespace velinor {

enum GamePhase : uint32_t { Playing = 0, Finished = 1, Paused = 2 };

enum SelectMode : int16_t { SelectNone = 0, SelectHintCell = 1, SelectProposal = -1 };

// How much the next paint redraws.
enum RedrawMode : uint16_t {
    RedrawIncremental = 0,  // the status band and the current, previous and target cells
    RedrawFull = 1,
    RedrawStatus = 2,  // the status band (the clock) only
};

struct GameState {
    GamePhase phase = Playing;
    // 1 while the board holds the rules example: no clock shown, nothing recorded at its end.
    uint16_t exampleMode = 0;
    // Stylus events on a grid cell while playing; only whether it is 0 matters.
    uint32_t eventCount = 0;
    // Tick counter readings; 0 means not set.
    uint32_t clockStart = 0;
    uint32_t clockEnd = 0;
    uint32_t pauseStart = 0;
    int32_t elapsedMs = 0;
    uint32_t penaltyCells = 0;
    SelectMode selectMode = SelectNone;
    // CheckSolved when the game finished: 1 not solved (solution shown), 0 solved as generated,
    // -1 solved another way; -1 from the start of a game.
    int16_t endCheck = -1;
    RedrawMode redrawMode = RedrawFull;
    Cell current = NoCell;
    Cell previous = NoCell;
    Cell target = NoCell;
    // Set by a double tap on the current cell; lives for exactly one handled event, so the press
    // that follows draws nothing.
    uint8_t tapLatch = 0;
    uint32_t timerId = 0;
    uint32_t introStart = 0;
    int16_t introFrame = 0;
    // Set by the opening animation when its title is due, cleared once drawn; while set the
    // timer also repaints CaptionRect.
    uint16_t captionPending = 0;
};

// One timer serves the opening animation and the clock.
constexpr uint32_t MainTimerId = 1;
constexpr uint32_t IntroTimerPeriod = 60;
constexpr uint32_t IntroLength = 5000;
constexpr uint32_t ClockTimerPeriod = 100;

constexpr int PenaltyPerCellSeconds = 15;
constexpr int32_t PenaltyPerCellMs = PenaltyPerCellSeconds * 1000;
constexpr int GenerateAttempts = 20;
constexpr int32_t LongestRecordedMs = 10000000;

// Results of ConfirmAbort besides the message box's own answers.
constexpr int AbortGoAhead = 1;
constexpr int AbortRefusedPaused = 99;

// The opening animation's stars and ring, and its title image.
constexpr Rect AnimRect{0, 80, 240, 180};
constexpr Rect CaptionRect{80, 200, 180, 220};

}  // namespace velinor
