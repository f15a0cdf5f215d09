// Stores broken the ways a disk, a file system or another program break them. The game gets the
// stored record, with defaults only where a value or the whole store cannot be trusted; a store it
// must not write keeps its bytes, and nothing is left beside it.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "store/registry_schema.h"
#include "store/settings.h"
#include "tests/store/settings_samples.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace test;
namespace fs = std::filesystem;
using Bytes = std::vector<char>;

// Runs body in a child process, as a program of its own, and brings its result back; nothing
// when a signal ended the child.
template <class Result>
std::optional<Result> InChild(const std::function<Result()>& body) {
    static_assert(std::is_trivially_copyable_v<Result>);
    void* shared =
        mmap(nullptr, sizeof(Result), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) return std::nullopt;
    const pid_t child = fork();
    if (child == 0) {
        *static_cast<Result*>(shared) = body();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::optional<Result> result;
    if (child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        result = *static_cast<Result*>(shared);
    munmap(shared, sizeof(Result));
    return result;
}

// Root passes every permission check; without these capabilities it meets the mode bits as the
// files' owner, like anyone else.
inline void HonourFileModes() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0) return;
    for (int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        data[capability / 32].effective &= ~(1u << (capability % 32));
    syscall(SYS_capset, &header, data);
}

// Room for one page of a store, not for the journal that a save writes first.
constexpr rlim_t FullDiskBytes = 4096;

// The record after one more counted game (its times are left out: the samples hold extremes).
Settings OneMoreGame(Settings settings) {
    settings.stats[0][0].totalplay += 1;
    AddTime(settings.stats[0][0].histo, 60000, 0);
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
std::map<std::string, Bytes> FolderContents(const fs::path& folder) {
    std::map<std::string, Bytes> contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = FileBytes(entry.path());
    return contents;
}

// The bytes of a store holding `settings`, made in a folder of its own.
Bytes StoreBytes(const Settings& settings) {
    TempStore store = TempStore::InMemory();
    EXPECT_EQ(SaveSettings(settings), 0);
    return FileBytes(store.file());
}

void WriteFile(const fs::path& file, const Bytes& bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

// Runs SQL on the file as another program would; keepLog leaves a WAL database's log as it is
// when closing, as a program that was ended does.
void RunSql(const fs::path& file, const std::string& sql, bool keepLog = false) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, keepLog ? 1 : 0, nullptr);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

// A save is refused and leaves the file and its folder as they were; start-up then gets the
// defaults. The save comes first, so that it is refused by its own checks, not by a failed load.
void ExpectNeitherWrittenNorRead(const TempStore& store, const std::string& what) {
    const auto before = FolderContents(store.folder());
    EXPECT_NE(SaveSettings(OneMoreGame(Distinct())), 0) << what;
    EXPECT_EQ(FolderContents(store.folder()), before) << what;
    EXPECT_EQ(Defaults(), FirstRun) << what;
}

// Another program's database, or ours with its tables reshaped (`ours`: saved to first).
TEST(StoreFaults, AnotherProgramsDatabaseOrReshapedTablesAreNeitherWrittenNorRead) {
    const struct {
        bool ours;
        const char* sql;
        const char* logged = nullptr;  // run by a program ended before it could checkpoint
    } cases[] = {
        {false, "CREATE TABLE notes(x); INSERT INTO notes VALUES('keep')"},
        {false, "PRAGMA journal_mode=WAL; CREATE TABLE notes(x); INSERT INTO notes VALUES(1)"},
        {false, "PRAGMA user_version = 7"},  // nothing in it yet
        {false,
         "CREATE TABLE registry_keys(path, class);"
         "CREATE TABLE registry_values(key_path, name, type, data, checksum)"},
        {false, "PRAGMA application_id = 7; CREATE TABLE notes(x)"},
        // Its last transactions still in the log: opening it would copy them into the file.
        {false, "PRAGMA journal_mode=WAL; CREATE TABLE notes(x)",
         "INSERT INTO notes VALUES('log')"},
        {true, "ALTER TABLE registry_values ADD COLUMN note"},
        // The same columns without a primary key, then as a view.
        {true,
         "ALTER TABLE registry_values RENAME TO old;"
         "CREATE TABLE registry_values AS SELECT * FROM old; DROP TABLE old"},
        {true,
         "ALTER TABLE registry_values RENAME TO old;"
         "CREATE VIEW registry_values AS SELECT * FROM old"},
        {true, "DROP TABLE registry_keys"},
        {true, "CREATE INDEX by_type ON registry_values(type)"},
        {true, "PRAGMA journal_mode=WAL"},
    };
    for (const auto& c : cases) {
        TempStore store;
        if (c.ours) {
            ASSERT_EQ(SaveSettings(Distinct()), 0);
        }
        RunSql(store.file(), c.sql);
        if (c.logged) RunSql(store.file(), c.logged, true);
        ExpectNeitherWrittenNorRead(store, c.sql);
    }
}

// Copies of a good store cut short or with one byte inverted, at many places. A copy is either
// refused by load and save alike and kept as it is, or it loads each field as stored or (a value
// that fails its checksum) as its default, and a save then leaves exactly the saved record.
TEST(StoreFaults, ADamagedStoreIsNeitherWrittenNorReadAndNeverMixed) {
    const Settings stored = Distinct();
    const Bytes good = StoreBytes(stored);
    std::vector<Bytes> copies;
    for (size_t size = 0; size < good.size(); size += 257)
        copies.emplace_back(good.begin(), good.begin() + static_cast<ptrdiff_t>(size));
    for (size_t at = 0; at < good.size(); at += 47) {
        copies.push_back(good);
        copies.back()[at] = static_cast<char>(~copies.back()[at]);
    }
    const auto storedFields = Fields(stored), defaultFields = Fields(FirstRun);
    int refused = 0, partial = 0;
    for (const Bytes& bytes : copies) {
        const std::string what = "copy " + std::to_string(&bytes - copies.data());
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
        const bool saved = SaveSettings(OneMoreGame(loaded)) == 0;
        EXPECT_EQ(writable, saved) << what;
        if (!readable && !bytes.empty()) {
            ++refused;
            EXPECT_EQ(defaults, std::ssize(storedFields) - 1) << what;  // the version is alike
            EXPECT_FALSE(saved) << what;
            EXPECT_EQ(FolderContents(store.folder()),
                      (decltype(FolderContents({})){{"registry.sqlite3", bytes}}))
                << what;
            continue;
        }
        partial += readable && defaults > 0;
        EXPECT_TRUE(saved) << what;
        Settings reloaded = FirstRun;
        EXPECT_EQ(LoadSettings(reloaded), 0) << what;
        EXPECT_EQ(reloaded, OneMoreGame(loaded)) << what;
    }
    std::cout << copies.size() << " damaged copies: " << refused << " refused, " << partial
              << " read with some values missing\n";
    EXPECT_GT(refused, 0);
    EXPECT_GT(partial, 0);
}

// A store the run may read but not write loads, and its save fails silently; one it could not
// read at start-up is not written in that run, even once it could be. A full disk, or a file-size
// limit, fails the save instead of ending the program and leaves the store as it was; with room
// again, the next save lands.
TEST(StoreFaults, AStoreThatCannotBeWrittenOrWasNotReadKeepsItsBytes) {
    using fs::perms;
    const perms readOnly = perms::owner_read | perms::owner_exec;
    const perms writable = readOnly | perms::owner_write,
                rw = perms::owner_read | perms::owner_write;
    struct Case {
        bool stored;  // otherwise an empty file, which start-up treats as no store
        perms folder, atStartUp, atSave;
        bool fullDisk;
    };
    const Case cases[] = {
        {true, readOnly, rw, rw, false},
        {true, writable, perms::owner_read, perms::owner_read, false},
        {true, readOnly, perms::owner_read, perms::owner_read, false},
        {true, writable, perms::none, rw, false},
        {false, writable, rw, rw, true},
        {true, writable, rw, rw, true},
    };
    for (const Case& c : cases) {
        const std::string what = "case " + std::to_string(&c - cases);
        TempStore store;
        if (c.stored) {
            ASSERT_EQ(SaveSettings(Distinct()), 0);
        } else {
            WriteFile(store.file(), {});
        }
        const auto before = FolderContents(store.folder());
        fs::permissions(store.file(), c.atStartUp);
        fs::permissions(store.folder(), c.folder);
        struct Run {  // start-up, the save after one more game, then one with room again
            Settings atStartUp;
            int32_t saved;
            bool untouched;  // the file's bytes, and no other file beside it
            Settings reloaded;
        };
        auto run = InChild<Run>([&] {
            HonourFileModes();
            signal(SIGXFSZ, SIG_DFL);  // at its default the signal would end the program
            rlimit room{};
            getrlimit(RLIMIT_FSIZE, &room);
            const rlimit full{c.fullDisk ? FullDiskBytes : room.rlim_cur, room.rlim_max};
            setrlimit(RLIMIT_FSIZE, &full);
            Run result{{}, 0, false, FirstRun};
            InitSettings(result.atStartUp);
            fs::permissions(store.file(), c.atSave);
            result.saved = SaveSettings(OneMoreGame(result.atStartUp));
            result.untouched = FolderContents(store.folder()) == before;
            setrlimit(RLIMIT_FSIZE, &room);
            if (c.fullDisk && SaveSettings(OneMoreGame(result.atStartUp)) == 0)
                LoadSettings(result.reloaded);
            return result;
        });
        fs::permissions(store.folder(), writable);
        fs::permissions(store.file(), rw);
        ASSERT_TRUE(run) << "ended by a signal, " << what;
        const bool read = c.stored && c.atStartUp != perms::none;
        EXPECT_EQ(run->atStartUp, read ? Distinct() : FirstRun) << what;
        EXPECT_NE(run->saved, 0) << what;
        EXPECT_TRUE(run->untouched) << what;
        EXPECT_EQ(run->reloaded, c.fullDisk ? OneMoreGame(run->atStartUp) : FirstRun) << what;
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
        const std::string declared = column + " NOT NULL", lifted = column + " /* NULL */";
        return std::vector<std::string>{edit(declared, lifted), statement, edit(lifted, declared)};
    };
    const std::string update = "UPDATE registry_values SET ";
    // The statements, each on a connection of its own, and the value left missing (nothing: the
    // whole store is refused).
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{update + "name = CAST(name AS BLOB) WHERE name = 'langue'"}, "langue"},
        {{update + "type = 'dword' WHERE name = 'size'"}, "size"},
        {{update + "data = 1 WHERE name = 'player'"}, "player"},
        {{update + "checksum = 0.5 WHERE name = 'set'"}, "set"},
        {{update + "type = type + 4294967296 WHERE name = 'lineVI'"}, "lineVI"},  // 33 bits
        {withNull("name TEXT",
                  "INSERT INTO registry_values VALUES('Software\\QTX\\Velinor', "
                  "NULL, 4, x'01', 0)"),
         nullptr},
        {withNull("data BLOB", update + "data = NULL WHERE name = 'lineOK'"), nullptr},
    };
    for (const auto& [sql, missing] : cases) {
        TempStore store;
        ASSERT_EQ(SaveSettings(Distinct()), 0);
        for (const std::string& statement : sql)
            RunSql(store.file(), statement);
        if (!missing) {
            ExpectNeitherWrittenNorRead(store, sql[1]);
            continue;
        }
        // Read as its default, the rest as stored; the next save writes every value back.
        EXPECT_EQ(ReadValues(SettingsKeyPath).size(), 36u) << missing;
        auto expected = Fields(Distinct());
        expected[missing] = Fields(FirstRun).at(missing);
        Settings atStartUp, reloaded = FirstRun;
        InitSettings(atStartUp);
        EXPECT_EQ(Fields(atStartUp), expected) << missing;
        EXPECT_EQ(SaveSettings(OneMoreGame(atStartUp)), 0) << missing;
        EXPECT_EQ(LoadSettings(reloaded), 0) << missing;
        EXPECT_EQ(reloaded, OneMoreGame(atStartUp)) << missing;
        EXPECT_EQ(ReadValues(SettingsKeyPath).size(), 37u) << missing;
    }
}

}  // namespace
}  // namespace velinor
