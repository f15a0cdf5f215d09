#include "store/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "platform/registry/registry.h"
#include "store/registry_schema.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace std::string_view_literals;
using test::Bytes;
using test::ReadValues;
using test::StoredValue;
using test::TempStore;
using test::WriteValue;

std::string Text(const TimeHistory& history) {
    return {history.data(), HistoryLength(history)};
}

Settings Defaults() {
    Settings settings;
    InitSettings(settings);
    return settings;
}

// What InitSettings gives on a first run, with no store at all.
Settings FirstRun() {
    TempStore store;
    return Defaults();
}

// Every field different from its default and from every other field.
Settings Distinct() {
    Settings settings;
    settings.versionText = ProgramVersion;
    settings.language = 1;
    settings.difficulty = 2;
    settings.symbolSet = 1;
    settings.player = -2;
    settings.lineOK = RGB(1, 2, 3);
    settings.lineVI = 0xFFFFFFFF;
    for (int player = 0; player < PlayerCount; ++player) {
        for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
            int slot = player * 3 + difficulty;
            PlayerStats& stats = settings.stats[player][difficulty];
            stats.besttime = -1000 * (slot + 1);
            stats.totalplay = 10 + slot;
            stats.totaltime = INT_MAX - slot;
            stats.totalpenal = INT_MIN + slot;
            SetHistoryText(stats.histo, "0;1;" + std::to_string(slot) + ";");
        }
    }
    SetHistoryText(settings.stats[1][2].histo, std::string(499, '9'));
    return settings;
}

std::vector<uint8_t> Dword(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

TEST(Settings, ColoursKeepRedInTheLowByte) {
    EXPECT_EQ(DefaultLineOK, 0x00005000u);
    EXPECT_EQ(DefaultLineVI, 0x00000080u);
    EXPECT_EQ(TraceColour, 0x0000FFFFu);
    EXPECT_EQ(HintColour, 0x00FFFF00u);
}

TEST(Settings, FirstRunKeepsTheDefaultsAndWritesNothing) {
    TempStore store;
    Settings settings = Defaults();
    EXPECT_EQ(settings.versionText, ProgramVersion);
    EXPECT_EQ(settings.language, 0);
    EXPECT_EQ(settings.difficulty, 0);
    EXPECT_EQ(settings.player, 0);
    EXPECT_EQ(settings.symbolSet, 2);
    EXPECT_EQ(settings.lineOK, DefaultLineOK);
    EXPECT_EQ(settings.lineVI, DefaultLineVI);
    for (const auto& playerStats : settings.stats) {
        for (const PlayerStats& stats : playerStats)
            EXPECT_EQ(stats, PlayerStats{});
    }
    EXPECT_EQ(LoadSettings(settings), -1);
    EXPECT_FALSE(std::filesystem::exists(store.file()));
}

TEST(Settings, FirstSaveWritesTheThirtySevenValuesInOrderWithTheirSizes) {
    TempStore store;
    ASSERT_EQ(SaveSettings(Defaults()), 0);
    std::vector<StoredValue> expected = {
        {"version", REG_SZ,
         Bytes("1\0.\0"
               "3\0\0\0"sv)},
        {"langue", REG_DWORD, Dword(0)},
        {"size", REG_DWORD, Dword(0)},
        {"player", REG_DWORD, {0, 0}},
        {"set", REG_DWORD, {2, 0}},
        {"lineVI", REG_DWORD, {0x80, 0, 0, 0}},
        {"lineOK", REG_DWORD, {0, 0x50, 0, 0}},
    };
    // First player easy, medium, hard, then the second player: difficulty digit first.
    for (const char* digits : {"00", "10", "20", "01", "11", "21"}) {
        for (const char* stem : {"besttime", "totalplay", "totaltime", "totalpenal"})
            expected.push_back({stem + std::string(digits), REG_DWORD, Dword(0)});
        expected.push_back({"histo" + std::string(digits), REG_SZ, {0}});
    }
    EXPECT_EQ(ReadValues(SettingsKeyPath), expected);
}

TEST(Settings, SavedRecordReadsBackWhole) {
    TempStore store;
    const Settings saved = Distinct();
    ASSERT_EQ(SaveSettings(saved), 0);
    Settings loaded;
    loaded.versionText = ProgramVersion;  // never read back
    EXPECT_EQ(LoadSettings(loaded), 0);
    EXPECT_EQ(loaded, saved);

    // Saving again replaces the record in place.
    Settings changed = saved;
    changed.stats[0][1].totalplay = 99;
    SetHistoryText(changed.stats[0][1].histo, "0;3;0;5;");
    ASSERT_EQ(SaveSettings(changed), 0);
    EXPECT_EQ(LoadSettings(loaded), 0);
    EXPECT_EQ(loaded, changed);
    EXPECT_EQ(ReadValues(SettingsKeyPath).size(), static_cast<size_t>(SettingsValueCount));
}

TEST(Settings, HistoryIsStoredAsItsTextAndOneZeroByte) {
    TempStore store;
    Settings settings = Defaults();
    const std::string text = "0;3;0;0;0;0;0;0;0;0;0;0;0;0;1;";
    ASSERT_EQ(text.size(), 30u);
    SetHistoryText(settings.stats[0][1].histo, text);
    ASSERT_EQ(SaveSettings(settings), 0);
    for (const StoredValue& value : ReadValues(SettingsKeyPath)) {
        if (value.name != "histo10") continue;
        EXPECT_EQ(value.type, REG_SZ);
        EXPECT_EQ(value.bytes, Bytes(text + '\0'));
    }
}

// A store written by hand: each case holds one value and says what a load makes of the field.
TEST(Settings, NumbersOfOtherSizesAndTypesReplaceOnlyWhatFits) {
    struct Case {
        StoredValue value;
        std::function<int64_t(const Settings&)> field;
        int64_t expected;
    };
    auto language = [](const Settings& s) { return s.language; };
    auto player = [](const Settings& s) { return s.player; };
    const Case cases[] = {
        {{"langue", REG_DWORD, {0x01}}, language, 0x11223301},
        {{"langue", REG_DWORD, {1, 2, 3, 4, 5}}, language, 0x11223344},
        {{"langue", REG_DWORD, {}}, language, 0x11223344},
        {{"player", REG_DWORD, Dword(1)}, player, 0x1122},
        {{"player", REG_DWORD, {0x05}}, player, 0x1105},
        {{"player", REG_DWORD, {0xFF, 0xFF}}, player, -1},
        {{"set", REG_DWORD, {0x01, 0x00}}, [](const Settings& s) { return s.symbolSet; }, 1},
        {{"size", REG_SZ, Dword(7)}, [](const Settings& s) { return s.difficulty; }, 7},
        {{"lineOK", REG_DWORD, Dword(0xFF00FF00)},
         [](const Settings& s) { return s.lineOK; },
         0xFF00FF00},
        {{"totalplay01", REG_DWORD, Dword(9)},
         [](const Settings& s) { return s.stats[1][0].totalplay; },
         9},
        {{"besttime21", REG_DWORD, Dword(0xFFFFFFFF)},
         [](const Settings& s) { return s.stats[1][2].besttime; },
         -1},
    };
    for (const Case& c : cases) {
        TempStore store;
        ASSERT_EQ(WriteValue(SettingsKeyPath, c.value), ErrorSuccess);
        Settings settings;
        settings.language = 0x11223344;
        settings.player = 0x1122;
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(c.field(settings), c.expected)
            << c.value.name << " of " << c.value.bytes.size() << " bytes";
    }
}

TEST(Settings, StoredDifficultyIsClampedAtStartUpOnly) {
    const std::pair<int32_t, int32_t> cases[] = {{7, 2}, {-1, 0},      {3, 2},
                                                 {1, 1}, {INT_MIN, 0}, {INT_MAX, 2}};
    for (auto [stored, atStartUp] : cases) {
        TempStore store;
        ASSERT_EQ(
            WriteValue(SettingsKeyPath, {"size", REG_DWORD, Dword(static_cast<uint32_t>(stored))}),
            ErrorSuccess);
        Settings settings = Defaults();
        EXPECT_EQ(settings.difficulty, atStartUp) << stored;
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(settings.difficulty, stored);
    }
}

TEST(Settings, MissingValuesKeepTheirFields) {
    Settings expected = FirstRun();
    expected.language = 1;
    TempStore store;
    ASSERT_EQ(WriteValue(SettingsKeyPath, {"langue", REG_DWORD, Dword(1)}), ErrorSuccess);
    EXPECT_EQ(Defaults(), expected);
}

TEST(Settings, HistoryValuesThatDoNotFitTheBufferStayInside) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"500 bytes without a terminator", std::vector<uint8_t>(500, '7'), std::string(499, '7')},
        {"501 bytes", std::vector<uint8_t>(501, '7'), "0;1;2;"},
        {"3 bytes without a terminator", Bytes("abc"), "abc;2;"},
        {"an empty value", {}, "0;1;2;"},
    };
    for (const Case& c : cases) {
        TempStore store;
        ASSERT_EQ(WriteValue(SettingsKeyPath, {"histo00", REG_SZ, c.bytes}), ErrorSuccess);
        Settings settings = Defaults();
        SetHistoryText(settings.stats[0][0].histo, "0;1;2;");
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(Text(settings.stats[0][0].histo), c.expected) << c.what;
        // Written back as a proper text, and counted into without leaving the buffer.
        ASSERT_EQ(SaveSettings(settings), 0);
        AddTime(settings.stats[0][0].histo, 1000, 0);
        EXPECT_LT(HistoryLength(settings.stats[0][0].histo), 500u) << c.what;
    }
}

TEST(Settings, ResetClearsTheCurrentPlayerOnly) {
    TempStore store;
    const Settings before = Distinct();
    ASSERT_EQ(SaveSettings(before), 0);
    Settings settings = before;
    settings.player = 1;
    ResetPlayerStats(settings);
    PlayerStats reset;
    SetHistoryText(reset.histo, "reset");
    for (int difficulty = 0; difficulty < DifficultyCount; ++difficulty) {
        EXPECT_EQ(settings.stats[1][difficulty], reset);
        EXPECT_EQ(settings.stats[0][difficulty], before.stats[0][difficulty]);
    }
    const std::vector<StoredValue> stored = ReadValues(SettingsKeyPath);
    ASSERT_EQ(SaveSettings(settings), 0);
    const std::vector<StoredValue> after = ReadValues(SettingsKeyPath);
    ASSERT_EQ(after.size(), stored.size());
    for (size_t i = 0; i < after.size(); ++i) {
        const std::string& name = after[i].name;
        if (name.starts_with("histo") && name.ends_with('1')) {
            EXPECT_EQ(after[i].bytes, Bytes("reset\0"sv)) << name;
        } else if (name.ends_with('0')) {
            EXPECT_EQ(after[i], stored[i]) << name;
        }
    }

    // A player number from a hand-edited store resets nothing.
    for (int16_t player : {int16_t{2}, int16_t{-1}}) {
        Settings untouched = before;
        untouched.player = player;
        ResetPlayerStats(untouched);
        EXPECT_EQ(untouched.stats, before.stats);
    }
}

std::vector<char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Settings, AFileThatIsNoUsableStoreIsLeftAloneAndTheDefaultsStay) {
    std::vector<char> database;
    {
        TempStore store;
        ASSERT_EQ(SaveSettings(Distinct()), 0);
        database = FileBytes(store.file());
    }
    ASSERT_GT(database.size(), 1000u);
    const std::pair<const char*, std::vector<char>> cases[] = {
        {"text", {'n', 'o', 't', ' ', 'a', ' ', 'd', 'b', '\n'}},
        {"a database cut short", {database.begin(), database.begin() + 1000}},
        {"a database with a damaged header",
         [&] {
             std::vector<char> damaged = database;
             damaged[0] = 'X';
             return damaged;
         }()},
    };
    const Settings firstRun = FirstRun();
    for (const auto& [what, bytes] : cases) {
        TempStore store;
        {
            std::ofstream out(store.file(), std::ios::binary);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        Settings settings = Defaults();
        EXPECT_EQ(settings, firstRun) << what;
        EXPECT_EQ(LoadSettings(settings), -1) << what;
        EXPECT_NE(SaveSettings(Distinct()), 0) << what;
        EXPECT_EQ(FileBytes(store.file()), bytes) << what;
    }

    TempStore store;
    std::filesystem::create_directory(store.file());
    EXPECT_EQ(Defaults(), firstRun);
    EXPECT_NE(SaveSettings(Distinct()), 0);
    EXPECT_TRUE(std::filesystem::is_empty(store.file()));
}

TEST(Settings, AStoreHeldByAnotherWriterIsReadButNotOverwritten) {
    TempStore store;
    const Settings saved = Distinct();
    ASSERT_EQ(SaveSettings(saved), 0);
    HKEY holder = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, "", &holder), ErrorSuccess);

    Settings other = Defaults();
    EXPECT_NE(SaveSettings(other), 0);  // gives up after the busy timeout
    Settings loaded = Defaults();
    EXPECT_EQ(LoadSettings(loaded), 0);
    EXPECT_EQ(loaded.stats, saved.stats);

    EXPECT_EQ(RegCloseKey(holder), ErrorSuccess);
    EXPECT_EQ(LoadSettings(loaded), 0);
    EXPECT_EQ(loaded.stats, saved.stats);
}

}  // namespace
}  // namespace velinor
