// Records and file reads the store suites share.
#pragma once

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "store/settings.h"

namespace velinor::test {

// What InitSettings gives without a store.
inline const Settings FirstRun{ProgramVersion, 0, 0, 2, 0, DefaultLineOK, DefaultLineVI, {}};

inline Settings Defaults() {
    Settings settings;
    InitSettings(settings);
    return settings;
}

// Every field different from its default and from every other field.
inline Settings Distinct() {
    // Version, language, difficulty, symbol set, player, lineOK, lineVI.
    Settings settings{ProgramVersion, 1, 2, 1, -2, RGB(1, 2, 3), 0xFFFFFFFF, {}};
    for (int slot = 0; slot < PlayerCount * DifficultyCount; ++slot) {
        PlayerStats& stats = settings.stats[slot / 3][slot % 3];
        stats = {-1000 * (slot + 1), 10 + slot, INT_MAX - slot, INT_MIN + slot, {}};
        SetHistoryText(stats.histo, "0;1;" + std::to_string(slot) + ";");
    }
    SetHistoryText(settings.stats[1][2].histo, std::string(499, '9'));
    return settings;
}

// Empty when the file cannot be read.
inline std::vector<char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace velinor::test
