// The options and the statistics of finished games: one record, loaded and saved whole.
#pragma once

#include <array>
#include <cstdint>

#include "platform/types/colour.h"
#include "store/time_history.h"

namespace velinor {

constexpr COLORREF DefaultLineOK = RGB(0, 0x50, 0);
constexpr COLORREF DefaultLineVI = RGB(0x80, 0, 0);

constexpr int PlayerCount = 2;
constexpr int DifficultyCount = 3;

// At most 7 UTF-16 characters and the terminator.
using VersionText = std::array<char16_t, 8>;
constexpr VersionText ProgramVersion = {u'1', u'.', u'3'};

struct PlayerStats {
    int32_t besttime = 0;
    int32_t totalplay = 0;
    int32_t totaltime = 0;
    int32_t totalpenal = 0;
    TimeHistory histo{};
    friend bool operator==(const PlayerStats&, const PlayerStats&) = default;
};

// Fields start at zero; InitSettings gives them the program's defaults.
struct Settings {
    VersionText versionText{};
    int32_t language = 0;
    int32_t difficulty = 0;
    int16_t symbolSet = 0;
    int16_t player = 0;
    COLORREF lineOK = 0;
    COLORREF lineVI = 0;
    // Indexed [player][difficulty]; the flat slot player * 3 + difficulty is the same order.
    std::array<std::array<PlayerStats, DifficultyCount>, PlayerCount> stats{};
    friend bool operator==(const Settings&, const Settings&) = default;
};

// Defaults, then the stored record, then the difficulty brought into range (at start-up only).
void InitSettings(Settings& settings);

// 0, or -1 when the key cannot be opened; a missing or oversized value keeps its field.
int32_t LoadSettings(Settings& settings);

// The registry's error when the key cannot be created, else the result of closing it.
int32_t SaveSettings(const Settings& settings);

// Clears the three statistics of the current player; the other player's stay.
void ResetPlayerStats(Settings& settings);

}  // namespace velinor
