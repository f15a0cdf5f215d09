// The situations of the main window a player meets, each set up on a paint rig: what the
// frame tests check by hand, what the golden frames keep, and what velinor-frames shows.
#pragma once

#include <span>

#include "tests/render/paint_rig.h"

namespace velinor::test {

struct Situation {
    const char* name;  // also the golden frame's file name
    void (*setUp)(PaintRig& rig);
};

std::span<const Situation> Situations();

// The situation of that name set up on the rig and painted in full.
void PaintSituation(PaintRig& rig, const char* name);

// Clock readings of the situations: the time shown and the best times kept.
constexpr uint32_t PlayedMs = 65300;        // 1'5"3
constexpr uint32_t FinishedMs = 83400;      // 1'23"4
constexpr uint32_t PausedAfterMs = 100000;  // the tick when the paused frame is painted
constexpr int32_t OwnBestHard = 200000;     // 3'20"0
constexpr int32_t OtherBestHard = 150000;   // 2'30"0
constexpr int32_t OwnBestMedium = 90000;    // 1'30"0
constexpr int32_t OwnBestEasy = 45600;      // 45"6
// The revealed line's pieces.
constexpr uint32_t RevealedPieces = 11;
// Cells a finished game charged for when the solution was shown.
constexpr uint32_t ShownPenaltyCells = 5;

}  // namespace velinor::test
