// Where the Settings record lives in the registry: its key and its 7 + 30 values, in the order
// they are written.
#pragma once

#include <array>
#include <cstdio>

#include "store/settings.h"

namespace velinor {

constexpr const char* SettingsKeyPath = "Software\\QTX\\Velinor";
constexpr const char* SettingsKeyClass = "parameters";
constexpr int SettingsValueCount = 7 + 5 * PlayerCount * DifficultyCount;

using ValueName = std::array<char, 16>;

// "besttime%01i%01i": the difficulty's digit first, then the player's.
inline ValueName StatsValueName(const char* stem, int difficulty, int player) {
    ValueName name{};
    std::snprintf(name.data(), name.size(), "%s%01i%01i", stem, difficulty, player);
    return name;
}

// Calls visit(name, field) for every stored value in order; the field's type tells how it is
// stored. Record is Settings or const Settings.
template <class Record, class Visitor>
void VisitRegistrySchema(Record& settings, Visitor&& visit) {
    visit("version", settings.versionText);
    visit("langue", settings.language);
    visit("size", settings.difficulty);
    visit("player", settings.player);
    visit("set", settings.symbolSet);
    visit("lineVI", settings.lineVI);
    visit("lineOK", settings.lineOK);
    for (int player = 0; player < PlayerCount; ++player) {
        for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
            auto& stats = settings.stats[player][difficulty];
            visit(StatsValueName("besttime", difficulty, player).data(), stats.besttime);
            visit(StatsValueName("totalplay", difficulty, player).data(), stats.totalplay);
            visit(StatsValueName("totaltime", difficulty, player).data(), stats.totaltime);
            visit(StatsValueName("totalpenal", difficulty, player).data(), stats.totalpenal);
            visit(StatsValueName("histo", difficulty, player).data(), stats.histo);
        }
    }
}

}  // namespace velinor
