#include "store/settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <tuple>

#include "platform/registry/registry.h"
#include "store/registry_schema.h"
#include "tests/store/settings_samples.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace test;

// A store written by hand with one value: a load replaces what fits of its field, the rest stay.
TEST(Settings, ValuesOfOtherSizesAndTypesReplaceOnlyWhatFits) {
    const std::pair<StoredValue, std::function<void(Settings&)>> cases[] = {
        {{"langue", REG_DWORD, {0x01}}, [](Settings& s) { s.language = 0x11223301; }},
        {{"player", REG_DWORD, {0x05}}, [](Settings& s) { s.player = 0x1105; }},
        {{"histo00", REG_SZ, {'a', 'b', 'c'}},
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
    // Stored bytes, their value, the value at start-up.
    const std::tuple<std::vector<uint8_t>, int32_t, int32_t> cases[] = {
        {{3, 0, 0, 0}, 3, 2}, {{1, 0, 0, 0}, 1, 1}, {{0, 0, 0, 0x80}, INT_MIN, 0}};
    for (const auto& [bytes, stored, atStartUp] : cases) {
        TempStore store;
        ASSERT_EQ(WriteValue(SettingsKeyPath, {"size", REG_DWORD, bytes}), ErrorSuccess);
        Settings settings = Defaults();
        EXPECT_EQ(settings.difficulty, atStartUp) << stored;
        EXPECT_EQ(LoadSettings(settings), 0);
        EXPECT_EQ(settings.difficulty, stored);
    }
}

// A player number from a hand-edited store resets nothing.
TEST(Settings, ResetOfAPlayerOutOfRangeChangesNothing) {
    for (int16_t player : {int16_t{2}, int16_t{-1}}) {
        Settings settings = Distinct();
        settings.player = player;
        ResetPlayerStats(settings);
        EXPECT_EQ(settings.stats, Distinct().stats) << player;
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
