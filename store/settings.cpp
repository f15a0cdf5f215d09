#include "store/settings.h"

#include <algorithm>
#include <concepts>
#include <type_traits>

#include "platform/registry/registry.h"
#include "store/registry_schema.h"

namespace velinor {

namespace {

// Stored numbers are the little-endian image of their field, 4 or 2 bytes.
template <std::integral Int>
std::array<uint8_t, sizeof(Int)> LittleEndian(Int value) {
    auto bits = static_cast<std::make_unsigned_t<Int>>(value);
    std::array<uint8_t, sizeof(Int)> bytes;
    for (uint8_t& byte : bytes) {
        byte = static_cast<uint8_t>(bits & 0xFF);
        bits = static_cast<std::make_unsigned_t<Int>>(bits >> 8);
    }
    return bytes;
}

template <std::integral Int>
Int FromLittleEndian(const std::array<uint8_t, sizeof(Int)>& bytes) {
    std::make_unsigned_t<Int> bits = 0;
    for (size_t i = sizeof(Int); i-- > 0;)
        bits = static_cast<std::make_unsigned_t<Int>>(bits << 8 | bytes[i]);
    return static_cast<Int>(bits);
}

class ValueReader {
  public:
    explicit ValueReader(HKEY key) : key_(key) {}

    // The version is never consulted: there is no older layout to convert.
    void operator()(const char*, VersionText&) const {}

    // The buffer is the field's own bytes: a shorter value replaces only the first of them, as
    // the handheld's registry did, and a longer one fails and leaves the field.
    template <std::integral Int>
    void operator()(const char* name, Int& field) const {
        auto bytes = LittleEndian(field);
        auto size = static_cast<uint32_t>(bytes.size());
        if (RegQueryValueEx(key_, name, nullptr, bytes.data(), &size) == ErrorSuccess)
            field = FromLittleEndian<Int>(bytes);
    }

    void operator()(const char* name, TimeHistory& history) const {
        uint32_t size = HistoryTextLimit;
        RegQueryValueEx(key_, name, nullptr, history.data(), &size);
        // A hand-edited value can fill the buffer without a terminator.
        if (HistoryLength(history) == HistoryTextLimit) history.back() = '\0';
    }

  private:
    HKEY key_;
};

class ValueWriter {
  public:
    explicit ValueWriter(HKEY key) : key_(key) {}

    // UTF-16 little-endian with its terminator: 8 bytes for "1.3".
    void operator()(const char* name, const VersionText& version) const {
        std::array<uint8_t, sizeof(VersionText)> bytes{};
        size_t length = 0;
        for (; length + 1 < version.size() && version[length] != 0; ++length) {
            bytes[2 * length] = static_cast<uint8_t>(version[length] & 0xFF);
            bytes[2 * length + 1] = static_cast<uint8_t>(version[length] >> 8);
        }
        RegSetValueEx(key_, name, REG_SZ, bytes.data(), static_cast<uint32_t>(2 * (length + 1)));
    }

    template <std::integral Int>
    void operator()(const char* name, const Int& field) const {
        auto bytes = LittleEndian(field);
        RegSetValueEx(key_, name, REG_DWORD, bytes.data(), static_cast<uint32_t>(bytes.size()));
    }

    // One byte per character and the terminator (a text filling the whole buffer has none).
    void operator()(const char* name, const TimeHistory& history) const {
        size_t size = std::min<size_t>(HistoryLength(history) + 1, HistoryTextLimit);
        RegSetValueEx(key_, name, REG_SZ, history.data(), static_cast<uint32_t>(size));
    }

  private:
    HKEY key_;
};

}  // namespace

void InitSettings(Settings& settings) {
    settings.versionText = ProgramVersion;
    settings.language = 0;
    settings.difficulty = 0;
    settings.player = 0;
    settings.symbolSet = 2;
    settings.lineOK = DefaultLineOK;
    settings.lineVI = DefaultLineVI;
    // The histories are left as they are: empty at start-up.
    for (auto& playerStats : settings.stats) {
        for (PlayerStats& stats : playerStats) {
            stats.besttime = 0;
            stats.totalplay = 0;
            stats.totaltime = 0;
            stats.totalpenal = 0;
        }
    }
    LoadSettings(settings);
    settings.difficulty = std::clamp(settings.difficulty, 0, DifficultyCount - 1);
}

int32_t LoadSettings(Settings& settings) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, &key) != ErrorSuccess) return -1;
    VisitRegistrySchema(settings, ValueReader(key));
    RegCloseKey(key);
    return 0;
}

int32_t SaveSettings(const Settings& settings) {
    HKEY key = nullptr;
    if (RegResult status =
            RegCreateKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, SettingsKeyClass, &key))
        return status;
    // Single writes are not checked here: a failed one makes closing drop the whole save.
    VisitRegistrySchema(settings, ValueWriter(key));
    return RegCloseKey(key);
}

void ResetPlayerStats(Settings& settings) {
    // A player number from a hand-edited store names no statistics to reset.
    if (settings.player < 0 || settings.player >= PlayerCount) return;
    for (PlayerStats& stats : settings.stats[settings.player]) {
        stats.totalplay = 0;
        stats.besttime = 0;
        stats.totaltime = 0;
        stats.totalpenal = 0;
        SetHistoryText(stats.histo, "reset");
    }
}

}  // namespace velinor
