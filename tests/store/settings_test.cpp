#include "store/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "platform/registry/registry.h"
#include "store/registry_schema.h"
#include "tests/store/settings_samples.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace std::string_view_literals;
using namespace test;

std::vector<uint8_t> Dword(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
            static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

TEST(Settings, FirstSaveWritesTheThirtySevenValuesInOrderWithTheirSizes) {
    TempStore store;
    Settings settings = Defaults();
    const std::string text = "0;3;0;0;0;0;0;0;0;0;0;0;0;0;1;";  // 30 characters
    SetHistoryText(settings.stats[0][1].histo, text);
    ASSERT_EQ(SaveSettings(settings), 0);
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
    for (std::string digits : {"00", "10", "20", "01", "11", "21"}) {
        for (const char* stem : {"besttime", "totalplay", "totaltime", "totalpenal"})
            expected.push_back({stem + digits, REG_DWORD, Dword(0)});
        expected.push_back(
            {"histo" + digits, REG_SZ, Bytes(digits == "10" ? text + '\0' : std::string(1, '\0'))});
    }
    EXPECT_EQ(ReadValues(SettingsKeyPath), expected);
}

// A store written by hand with one value: a load replaces what fits of its field, the rest stay.
TEST(Settings, ValuesOfOtherSizesAndTypesReplaceOnlyWhatFits) {
    const std::pair<StoredValue, std::function<void(Settings&)>> cases[] = {
        {{"langue", REG_DWORD, {0x01}}, [](Settings& s) { s.language = 0x11223301; }},
        {{"langue", REG_DWORD, {1, 2, 3, 4, 5}}, [](Settings&) {}},
        {{"player", REG_DWORD, {0x05}}, [](Settings& s) { s.player = 0x1105; }},
        {{"player", REG_DWORD, {0xFF, 0xFF}}, [](Settings& s) { s.player = -1; }},
        {{"size", REG_SZ, Dword(7)}, [](Settings& s) { s.difficulty = 7; }},
        {{"besttime21", REG_DWORD, Dword(0xFFFFFFFF)},
         [](Settings& s) { s.stats[1][2].besttime = -1; }},
        {{"histo00", REG_SZ, std::vector<uint8_t>(500, '7')},  // no terminator
         [](Settings& s) { SetHistoryText(s.stats[0][0].histo, std::string(499, '7')); }},
        {{"histo00", REG_SZ, std::vector<uint8_t>(501, '7')}, [](Settings&) {}},
        {{"histo00", REG_SZ, Bytes("abc")},
         [](Settings& s) { SetHistoryText(s.stats[0][0].histo, "abc;0;"); }},
    };
    for (const auto& [value, change] : cases) {
        TempStore store;
        ASSERT_EQ(WriteValue(SettingsKeyPath, value), ErrorSuccess);
        Settings settings = Distinct();
        settings.language = 0x11223344;
        settings.player = 0x1122;
        Settings expected = settings;
        change(expected);
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(settings, expected) << value.name << " of " << value.bytes.size() << " bytes";
    }
}

TEST(Settings, StoredDifficultyIsClampedAtStartUpOnly) {
    const std::pair<int32_t, int32_t> cases[] = {{3, 2}, {1, 1}, {INT_MIN, 0}};
    for (auto [stored, atStartUp] : cases) {
        TempStore store;
        auto bytes = Dword(static_cast<uint32_t>(stored));
        ASSERT_EQ(WriteValue(SettingsKeyPath, {"size", REG_DWORD, bytes}), ErrorSuccess);
        Settings settings = Defaults();
        EXPECT_EQ(settings.difficulty, atStartUp) << stored;
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(settings.difficulty, stored);
    }
}

TEST(Settings, ResetClearsTheCurrentPlayerOnly) {
    const Settings before = Distinct();
    Settings settings = before;
    settings.player = 1;
    ResetPlayerStats(settings);
    PlayerStats reset;
    SetHistoryText(reset.histo, "reset");
    Settings expected = before;
    expected.player = 1;
    expected.stats[1] = {reset, reset, reset};
    EXPECT_EQ(settings, expected);

    // A player number from a hand-edited store resets nothing.
    for (int16_t player : {int16_t{2}, int16_t{-1}}) {
        settings = before;
        settings.player = player;
        ResetPlayerStats(settings);
        EXPECT_EQ(settings.stats, before.stats);
    }
}

// No store, or a folder in its place: the defaults stay, and nothing is written there. Files
// that are no store of ours are the fault suite's.
TEST(Settings, WithoutAUsableStoreTheDefaultsStay) {
    TempStore store;
    EXPECT_EQ(Defaults(), FirstRun);
    Settings settings = FirstRun;
    EXPECT_EQ(LoadSettings(settings), -1);
    EXPECT_FALSE(std::filesystem::exists(store.file()));
    std::filesystem::create_directory(store.file());
    EXPECT_EQ(Defaults(), FirstRun);
    EXPECT_NE(SaveSettings(Distinct()), 0);
    EXPECT_TRUE(std::filesystem::is_empty(store.file()));
}

TEST(Settings, AStoreHeldByAnotherWriterIsReadButNotOverwritten) {
    TempStore store;
    const Settings saved = Distinct();
    ASSERT_EQ(SaveSettings(saved), 0);
    HKEY holder = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, "", &holder), ErrorSuccess);
    EXPECT_NE(SaveSettings(Defaults()), 0);  // gives up after the busy timeout
    Settings loaded = Defaults();
    EXPECT_EQ(LoadSettings(loaded), 0);
    EXPECT_EQ(loaded.stats, saved.stats);
    EXPECT_EQ(RegCloseKey(holder), ErrorSuccess);
}

}  // namespace
}  // namespace velinor
