// Stores broken the ways a disk, a file system or another program break them. The game gets the
// stored record, with defaults only where a value or the whole store cannot be trusted; a store it
// must not write keeps its bytes, and nothing is left beside it.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "store/registry_schema.h"
#include "store/settings.h"
#include "tests/store/settings_samples.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace test;
namespace fs = std::filesystem;

// Room for one page of a store, not for the journal that a save writes first.
constexpr rlim_t FullDiskBytes = 4096;

// The record after one more counted game (its times are left out: the samples hold extremes).
Settings OneMoreGame(Settings settings) {
    PlayerStats& stats = settings.stats[0][0];
    stats.totalplay += 1;
    AddTime(stats.histo, 60000, 0);
    return settings;
}

// Each stored field's bytes under its value's name.
std::map<std::string, std::string> Fields(const Settings& settings) {
    std::map<std::string, std::string> fields;
    VisitRegistrySchema(settings, [&fields](const char* name, const auto& field) {
        fields[name].assign(reinterpret_cast<const char*>(&field), sizeof(field));
    });
    return fields;
}

// Every file in the folder with its bytes.
using Contents = std::map<std::string, std::vector<char>>;

Contents FolderContents(const fs::path& folder) {
    Contents contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = FileBytes(entry.path());
    return contents;
}

void WriteFile(const fs::path& file, const std::vector<char>& bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

// Runs SQL on the file as another program would; keepLog leaves a WAL database's log as it is
// when closing, as a program that was ended does.
void RunSql(const fs::path& file, const std::string& sql, bool keepLog = false) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keepLog ? 1 : 0, nullptr);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << sql << ": " << (error != nullptr ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

// A save is refused and leaves the file and its folder as they were; start-up then gets the
// defaults. The save comes first, so that it is refused by its own checks, not by a failed load.
void ExpectNeitherWrittenNorRead(const TempStore& store, const std::string& what) {
    const Contents before = FolderContents(store.folder());
    EXPECT_NE(SaveSettings(OneMoreGame(Distinct())), 0) << what;
    EXPECT_EQ(FolderContents(store.folder()), before) << what;
    EXPECT_EQ(Defaults(), FirstRun) << what;
}

// A new program's start under a file-size limit: the signal at its default, which ends it.
void LimitFileSize(rlim_t bytes) {
    signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Start-up, then the save after one more game.
struct GameRun {
    Settings atStartUp;
    int32_t saved;
};

GameRun StartAndSaveGame() {
    GameRun run{};
    InitSettings(run.atStartUp);
    run.saved = SaveSettings(OneMoreGame(run.atStartUp));
    return run;
}

TEST(StoreFaults, AnotherProgramsDatabaseIsNeitherWrittenNorRead) {
    const char* cases[] = {
        "CREATE TABLE notes(x); INSERT INTO notes VALUES('keep')",
        "PRAGMA journal_mode=WAL; CREATE TABLE notes(x); INSERT INTO notes VALUES('keep')",
        "PRAGMA user_version = 7",  // nothing in it yet
        "CREATE TABLE registry_keys(path, class);"
        "CREATE TABLE registry_values(key_path, name, type, data, checksum)",
        "PRAGMA application_id = 7; CREATE TABLE notes(x)",
    };
    for (const char* sql : cases) {
        TempStore store;
        RunSql(store.file(), sql);
        ExpectNeitherWrittenNorRead(store, sql);
    }
    // Its last transactions still in the log: opening it would copy them into the file.
    TempStore store;
    RunSql(store.file(), "PRAGMA journal_mode=WAL; CREATE TABLE notes(x)");
    RunSql(store.file(), "INSERT INTO notes VALUES('in the log only')", true);
    ASSERT_EQ(FolderContents(store.folder()).size(), 3u);
    ExpectNeitherWrittenNorRead(store, "a log in use");
}

TEST(StoreFaults, AStoreWhoseTablesHaveAnotherShapeIsNeitherWrittenNorRead) {
    const char* cases[] = {
        "ALTER TABLE registry_values ADD COLUMN note",
        "ALTER TABLE registry_values RENAME COLUMN data TO bytes",
        // The same columns without a primary key, then as a view.
        "ALTER TABLE registry_values RENAME TO old;"
        "CREATE TABLE registry_values AS SELECT * FROM old; DROP TABLE old",
        "ALTER TABLE registry_values RENAME TO old;"
        "CREATE VIEW registry_values AS SELECT * FROM old",
        "DROP TABLE registry_keys",
        "CREATE INDEX by_type ON registry_values(type)",
        "CREATE TRIGGER wipe AFTER UPDATE ON registry_values BEGIN DELETE FROM registry_keys; END",
        "CREATE TABLE notes(x)",
        "PRAGMA journal_mode=WAL",
    };
    for (const char* sql : cases) {
        TempStore store;
        ASSERT_EQ(SaveSettings(Distinct()), 0);
        RunSql(store.file(), sql);
        ExpectNeitherWrittenNorRead(store, sql);
    }
}

// Copies of a good store cut short or with one byte inverted, at many places. A copy is either
// refused by load and save alike and kept as it is, or it loads each field as stored or (a value
// that fails its checksum) as its default, and a save then leaves exactly the saved record.
TEST(StoreFaults, ADamagedStoreIsNeitherWrittenNorReadAndNeverMixed) {
    const Settings stored = Distinct();
    std::vector<char> good;
    {
        TempStore store = TempStore::InMemory();
        ASSERT_EQ(SaveSettings(stored), 0);
        good = FileBytes(store.file());
    }
    std::vector<std::vector<char>> copies;
    for (size_t size = 0; size < good.size(); size += 257)
        copies.emplace_back(good.begin(), good.begin() + static_cast<ptrdiff_t>(size));
    for (size_t at = 0; at < good.size(); at += 47) {
        copies.push_back(good);
        copies.back()[at] = static_cast<char>(~copies.back()[at]);
    }
    const auto storedFields = Fields(stored);
    const auto defaultFields = Fields(FirstRun);
    int refused = 0;
    int partial = 0;
    for (const std::vector<char>& bytes : copies) {
        const std::string what = "copy " + std::to_string(&bytes - copies.data()) + " of " +
                                 std::to_string(bytes.size()) + " bytes";
        // Without a load before it, the save judges the copy on its own.
        TempStore first = TempStore::InMemory();
        WriteFile(first.file(), bytes);
        const bool writable = SaveSettings(OneMoreGame(stored)) == 0;

        TempStore store = TempStore::InMemory();
        WriteFile(store.file(), bytes);
        Settings loaded = FirstRun;
        const bool readable = LoadSettings(loaded) == 0;
        int defaults = 0;
        for (const auto& [name, field] : Fields(loaded)) {
            EXPECT_TRUE(field == storedFields.at(name) || field == defaultFields.at(name))
                << name << " in " << what;
            defaults += field != storedFields.at(name);
        }
        const Settings next = OneMoreGame(loaded);
        const bool saved = SaveSettings(next) == 0;
        EXPECT_EQ(writable, saved) << what;
        if (!readable && !bytes.empty()) {
            ++refused;
            EXPECT_EQ(defaults, std::ssize(storedFields) - 1) << what;  // the version is alike
            EXPECT_FALSE(saved) << what;
            EXPECT_EQ(FolderContents(store.folder()), (Contents{{"registry.sqlite3", bytes}}))
                << what;
            continue;
        }
        partial += readable && defaults > 0;
        EXPECT_TRUE(saved) << what;
        Settings reloaded = FirstRun;
        EXPECT_EQ(LoadSettings(reloaded), 0) << what;
        EXPECT_EQ(reloaded, next) << what;
        EXPECT_EQ(ReadValues(SettingsKeyPath).size(), 37u) << what;
    }
    std::cout << copies.size() << " damaged copies: " << refused << " refused, " << partial
              << " read with some values missing\n";
    EXPECT_GT(refused, 0);
    EXPECT_GT(partial, 0);
}

// A bit flipped in the tables' definitions: the file may well stay a sound database to SQLite,
// with a column of another name.
TEST(StoreFaults, AStoreWithAFlippedBitInItsTableTextIsNeitherWrittenNorRead) {
    std::vector<char> good;
    std::vector<std::string> tables;
    {
        TempStore store = TempStore::InMemory();
        ASSERT_EQ(SaveSettings(Distinct()), 0);
        good = FileBytes(store.file());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(store.file().c_str(), &db), SQLITE_OK);
        sqlite3_exec(
            db, "SELECT sql FROM sqlite_schema WHERE type = 'table'",
            [](void* list, int, char** row, char**) {
                static_cast<std::vector<std::string>*>(list)->push_back(row[0]);
                return 0;
            },
            &tables, nullptr);
        sqlite3_close(db);
    }
    ASSERT_EQ(tables.size(), 2u);
    const std::string_view file(good.data(), good.size());
    int flips = 0;
    for (const std::string& table : tables) {
        size_t start = file.find(table);
        ASSERT_NE(start, std::string_view::npos) << table;
        // Every third character of the text past "CREATE TABLE ", one bit each time.
        for (size_t at = start + 13; at < start + table.size(); at += 3, ++flips) {
            TempStore store = TempStore::InMemory();
            std::vector<char> bytes = good;
            bytes[at] ^= 0x02;
            WriteFile(store.file(), bytes);
            ExpectNeitherWrittenNorRead(
                store, table + " with a bit flipped at " + std::to_string(at - start));
        }
    }
    EXPECT_GT(flips, 80);
}

TEST(StoreFaults, AValueWithFlippedBytesIsMissingAndKeepsItsDefault) {
    Settings stored = Distinct();
    stored.language = 0x2468ACE1;
    stored.stats[0][1].besttime = 0x13579BDF;
    SetHistoryText(stored.stats[1][0].histo, "0;1;4;8;15;16;23;42;");
    struct Case {
        std::string image;  // the stored bytes, found once in the file
        std::function<void(Settings&)> keepDefault;
    };
    const Case cases[] = {
        {"\xE1\xAC\x68\x24", [](Settings& s) { s.language = FirstRun.language; }},
        {"\xDF\x9B\x57\x13", [](Settings& s) { s.stats[0][1].besttime = 0; }},
        {"0;1;4;8;15;16;23;42;", [](Settings& s) { s.stats[1][0].histo = {}; }},
    };
    TempStore source = TempStore::InMemory();
    ASSERT_EQ(SaveSettings(stored), 0);
    const std::vector<char> good = FileBytes(source.file());
    const std::string_view file(good.data(), good.size());
    for (const Case& c : cases) {
        size_t at = file.find(c.image);
        ASSERT_NE(at, std::string_view::npos);
        ASSERT_EQ(file.find(c.image, at + 1), std::string_view::npos);
        TempStore store = TempStore::InMemory();
        std::vector<char> bytes = good;
        bytes[at + c.image.size() / 2] ^= 0x10;
        WriteFile(store.file(), bytes);
        Settings expected = stored;
        c.keepDefault(expected);
        GameRun run = StartAndSaveGame();
        EXPECT_EQ(run.atStartUp, expected);
        EXPECT_EQ(ReadValues(SettingsKeyPath).size(), 37u);  // the saved value is back
        EXPECT_EQ(run.saved, 0);
    }
}

TEST(StoreFaults, AFullDiskAtStartUpLosesNoHistory) {
    TempStore store;
    Settings stored = Distinct();
    stored.stats[0][0].totalplay = 77;
    ASSERT_EQ(SaveSettings(stored), 0);
    struct FullDiskRun {
        GameRun full;
        bool untouched;  // the file's bytes and its folder after that save
        int32_t savedWithRoom;
        Settings reloaded;
    };
    const Contents before = FolderContents(store.folder());
    auto run = InChild<FullDiskRun>([&] {
        rlimit room{};
        getrlimit(RLIMIT_FSIZE, &room);
        LimitFileSize(FullDiskBytes);
        FullDiskRun result{StartAndSaveGame(), false, -1, FirstRun};
        result.untouched = FolderContents(store.folder()) == before;
        setrlimit(RLIMIT_FSIZE, &room);
        result.savedWithRoom = SaveSettings(OneMoreGame(result.full.atStartUp));
        LoadSettings(result.reloaded);
        return result;
    });
    ASSERT_TRUE(run);
    EXPECT_EQ(run->full.atStartUp, stored);
    EXPECT_NE(run->full.saved, 0);
    EXPECT_TRUE(run->untouched);
    EXPECT_EQ(run->savedWithRoom, 0);
    EXPECT_EQ(run->reloaded, OneMoreGame(stored));
    EXPECT_EQ(run->reloaded.stats[0][0].totalplay, 78);
}

TEST(StoreFaults, AStoreThatCouldNotBeReadIsNotWrittenInTheSameRun) {
    TempStore store;
    ASSERT_EQ(SaveSettings(Distinct()), 0);
    const std::vector<char> bytes = FileBytes(store.file());
    auto run = InChild<GameRun>([&] {
        HonourFileModes();
        fs::permissions(store.file(), fs::perms::none);
        GameRun result{};
        InitSettings(result.atStartUp);
        fs::permissions(store.file(), fs::perms::owner_read | fs::perms::owner_write);
        result.saved = SaveSettings(OneMoreGame(result.atStartUp));
        return result;
    });
    ASSERT_TRUE(run);
    EXPECT_EQ(run->atStartUp, FirstRun);
    EXPECT_NE(run->saved, 0);
    EXPECT_EQ(FileBytes(store.file()), bytes);
}

TEST(StoreFaults, AStoreInAReadOnlyFolderLoadsAndItsSavesFailSilently) {
    using fs::perms;
    const perms readOnly = perms::owner_read | perms::owner_exec;
    const perms writable = readOnly | perms::owner_write;
    const std::pair<perms, perms> cases[] = {
        {readOnly, writable},  // folder, file
        {writable, perms::owner_read},
        {readOnly, perms::owner_read},
    };
    const Settings stored = Distinct();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [folder, file] = cases[i];
        TempStore store;
        ASSERT_EQ(SaveSettings(stored), 0);
        const Contents before = FolderContents(store.folder());
        fs::permissions(store.file(), file);
        fs::permissions(store.folder(), folder);
        auto run = InChild<GameRun>([] {
            HonourFileModes();
            return StartAndSaveGame();
        });
        fs::permissions(store.folder(), writable);
        const std::string what = "case " + std::to_string(i);
        ASSERT_TRUE(run) << what;
        EXPECT_EQ(run->atStartUp, stored) << what;
        EXPECT_NE(run->saved, 0) << what;
        EXPECT_EQ(FolderContents(store.folder()), before) << what;  // no journal or other file left
    }
}

TEST(StoreFaults, AFileSizeLimitFailsTheSaveInsteadOfEndingTheProgram) {
    for (bool existing : {false, true}) {
        TempStore store;
        if (existing) {
            ASSERT_EQ(SaveSettings(Distinct()), 0);
        }
        const std::vector<char> bytes = FileBytes(store.file());
        auto run = InChild<GameRun>([] {
            LimitFileSize(FullDiskBytes);
            return StartAndSaveGame();
        });
        ASSERT_TRUE(run) << "ended by a signal, existing store: " << existing;
        EXPECT_NE(run->saved, 0);
        EXPECT_EQ(FolderContents(store.folder()),
                  (Contents{{"registry.sqlite3", existing ? bytes : std::vector<char>{}}}));
    }
}

// Rows as another program could leave them. A row with a column of another type is missing;
// a NULL where the table forbids one fails the integrity check, and the store with it.
TEST(StoreFaults, RowsWithNullsOrValuesOfAnotherTypeAreMissing) {
    // Lifts the table's NOT NULL on a column for one statement, then puts the text back.
    auto withNull = [](const std::string& column, const std::string& statement) {
        auto edit = [](const std::string& from, const std::string& to) {
            return "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = replace(sql, '" +
                   from + "', '" + to + "') WHERE name = 'registry_values'";
        };
        const std::string declared = column + " NOT NULL";
        const std::string lifted = column + " /* NULL */";
        return std::vector<std::string>{edit(declared, lifted), statement, edit(lifted, declared)};
    };
    const std::string key = "'Software\\QTX\\Velinor'";
    struct Case {
        std::vector<std::string> sql;            // each on a connection of its own
        std::function<void(Settings&)> missing;  // nothing: the whole store is refused
    };
    const Case cases[] = {
        {{"UPDATE registry_values SET name = CAST(name AS BLOB) WHERE name = 'langue'"},
         [](Settings& s) { s.language = FirstRun.language; }},
        {{"UPDATE registry_values SET type = 'dword' WHERE name = 'size'"},
         [](Settings& s) { s.difficulty = FirstRun.difficulty; }},
        {{"UPDATE registry_values SET data = 1 WHERE name = 'player'"},
         [](Settings& s) { s.player = FirstRun.player; }},
        {{"UPDATE registry_values SET checksum = 0.5 WHERE name = 'set'"},
         [](Settings& s) { s.symbolSet = FirstRun.symbolSet; }},
        {{"UPDATE registry_values SET type = type + 4294967296 WHERE name = 'lineVI'"},  // 33 bits
         [](Settings& s) { s.lineVI = FirstRun.lineVI; }},
        {withNull("name TEXT",
                  "INSERT INTO registry_values VALUES(" + key + ", NULL, 4, x'01', 0)"),
         nullptr},
        {withNull("data BLOB", "UPDATE registry_values SET data = NULL WHERE name = 'lineOK'"),
         nullptr},
    };
    const Settings stored = Distinct();
    for (const Case& c : cases) {
        TempStore store;
        ASSERT_EQ(SaveSettings(stored), 0);
        for (const std::string& sql : c.sql)
            RunSql(store.file(), sql);
        if (!c.missing) {
            ExpectNeitherWrittenNorRead(store, c.sql[1]);
            EXPECT_TRUE(ReadValues(SettingsKeyPath).empty());
            continue;
        }
        EXPECT_EQ(ReadValues(SettingsKeyPath).size(), 36u) << c.sql[0];
        Settings expected = stored;
        c.missing(expected);
        GameRun run = StartAndSaveGame();
        EXPECT_EQ(run.atStartUp, expected) << c.sql[0];
        EXPECT_EQ(run.saved, 0) << c.sql[0];
        Settings reloaded = FirstRun;
        EXPECT_EQ(LoadSettings(reloaded), 0);
        EXPECT_EQ(reloaded, OneMoreGame(expected)) << c.sql[0];
    }
}

}  // namespace
}  // namespace velinor
