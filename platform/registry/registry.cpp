#include "platform/registry/registry.h"

#include <sqlite3.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

namespace velinor {

namespace {

// Long enough for another copy of the program to finish its save, short enough that a store
// held by something else only delays the game briefly before it goes on without it.
constexpr int BusyTimeoutMs = 2000;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

constexpr const char* CreateTables =
    "CREATE TABLE IF NOT EXISTS registry_keys("
    " path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY,"
    " class TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS registry_values("
    " key_path TEXT NOT NULL COLLATE NOCASE,"
    " name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL,"
    " data BLOB NOT NULL,"
    " PRIMARY KEY(key_path, name));";

}  // namespace

// An open key is a connection of its own with its transaction: a write transaction for
// RegCreateKeyEx, so that the values written between opening and closing land together or not
// at all; a read transaction for RegOpenKeyEx, so that a load sees one whole save.
struct RegistryKey {
    sqlite3* db = nullptr;
    std::string path;
    bool writable = false;
    bool failed = false;  // a write went wrong: closing drops the whole transaction
    Statement query;
    Statement set;
    Statement enumerate;

    ~RegistryKey() {
        query.reset();
        set.reset();
        enumerate.reset();
        sqlite3_close(db);
    }
};

namespace {

const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Prepares the key's statement once and readies it for a new run.
sqlite3_stmt* Ready(RegistryKey& key, Statement& statement, const char* sql) {
    if (!statement) {
        sqlite3_stmt* prepared = nullptr;
        if (sqlite3_prepare_v2(key.db, sql, -1, &prepared, nullptr) != SQLITE_OK) return nullptr;
        statement.reset(prepared);
    }
    sqlite3_reset(statement.get());
    sqlite3_clear_bindings(statement.get());
    return statement.get();
}

// Opens the store file; flags say whether a missing one is created.
RegResult OpenStore(RegistryKey& key, int flags) {
    std::string file = RegistryFilePath();
    if (file.empty()) return ErrorFileNotFound;
    if (flags & SQLITE_OPEN_CREATE) {
        std::error_code ignored;  // a folder that cannot be made shows up as a failed open
        std::filesystem::path folder = std::filesystem::path(file).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    }
    if (sqlite3_open_v2(file.c_str(), &key.db, flags, nullptr) != SQLITE_OK)
        return ErrorFileNotFound;
    sqlite3_busy_timeout(key.db, BusyTimeoutMs);
    return ErrorSuccess;
}

RegResult KeyExists(RegistryKey& key) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(key.db, "SELECT 1 FROM registry_keys WHERE path = ?1", -1,
                                &statement, nullptr);
    Statement owned(statement);
    // A store that never got its tables (an empty file) has no keys.
    if (rc == SQLITE_ERROR) return ErrorFileNotFound;
    if (rc != SQLITE_OK) return ErrorRegistryIoFailed;
    sqlite3_bind_text(statement, 1, key.path.c_str(), -1, SQLITE_TRANSIENT);
    rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) return ErrorSuccess;
    return rc == SQLITE_DONE ? ErrorFileNotFound : ErrorRegistryIoFailed;
}

// Adds the key and the keys above it; an existing key keeps its class.
bool AddKeyPath(RegistryKey& key, const char* keyClass) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(key.db, "INSERT OR IGNORE INTO registry_keys VALUES(?1, ?2)", -1,
                           &statement, nullptr) != SQLITE_OK)
        return false;
    Statement owned(statement);
    std::string_view path = key.path;
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        bool last = end == std::string_view::npos;
        std::string_view prefix = last ? path : path.substr(0, end);
        sqlite3_reset(statement);
        sqlite3_bind_text(statement, 1, prefix.data(), static_cast<int>(prefix.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 2, last ? OrEmpty(keyClass) : "", -1, SQLITE_TRANSIENT);
        if (sqlite3_step(statement) != SQLITE_DONE) return false;
        if (last) return true;
    }
}

// The key goes to the caller only when it opened; otherwise it is released here.
RegResult HandOver(std::unique_ptr<RegistryKey> key, RegResult status, HKEY* result) {
    if (status == ErrorSuccess) *result = key.release();
    return status;
}

RegResult BeginWrite(RegistryKey& key, const char* keyClass) {
    if (RegResult status = OpenStore(key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE))
        return status;
    // Each step reads the file first, so a file that is not a database fails here untouched.
    if (!Exec(key.db, "PRAGMA journal_mode=WAL") || !Exec(key.db, "PRAGMA synchronous=FULL") ||
        !Exec(key.db, "BEGIN IMMEDIATE"))
        return ErrorRegistryIoFailed;
    if (!Exec(key.db, CreateTables) || !AddKeyPath(key, keyClass)) return ErrorRegistryIoFailed;
    return ErrorSuccess;
}

}  // namespace

RegResult RegOpenKeyEx(RegistryRoot root, const char* subKey, HKEY* result) {
    if (root != HKEY_CURRENT_USER || result == nullptr) return ErrorInvalidParameter;
    auto key = std::make_unique<RegistryKey>();
    key->path = OrEmpty(subKey);
    RegResult status = OpenStore(*key, SQLITE_OPEN_READWRITE);
    if (status == ErrorSuccess)
        status = Exec(key->db, "BEGIN") ? KeyExists(*key) : ErrorRegistryIoFailed;
    return HandOver(std::move(key), status, result);
}

RegResult RegCreateKeyEx(RegistryRoot root, const char* subKey, const char* keyClass,
                         HKEY* result) {
    if (root != HKEY_CURRENT_USER || result == nullptr) return ErrorInvalidParameter;
    auto key = std::make_unique<RegistryKey>();
    key->path = OrEmpty(subKey);
    key->writable = true;
    RegResult status = BeginWrite(*key, keyClass);
    return HandOver(std::move(key), status, result);
}

RegResult RegQueryValueEx(HKEY key, const char* name, uint32_t* type, void* data, uint32_t* size) {
    if (key == nullptr) return ErrorInvalidHandle;
    if (data != nullptr && size == nullptr) return ErrorInvalidParameter;
    sqlite3_stmt* statement =
        Ready(*key, key->query,
              "SELECT type, data FROM registry_values WHERE key_path = ?1 AND name = ?2");
    if (statement == nullptr) return ErrorRegistryIoFailed;
    sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, OrEmpty(name), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? ErrorFileNotFound : ErrorRegistryIoFailed;

    if (type != nullptr) *type = static_cast<uint32_t>(sqlite3_column_int64(statement, 0));
    const void* bytes = sqlite3_column_blob(statement, 1);
    auto stored = static_cast<uint32_t>(sqlite3_column_bytes(statement, 1));
    if (size == nullptr) return ErrorSuccess;
    RegResult status = ErrorSuccess;
    if (data != nullptr && *size < stored) {
        status = ErrorMoreData;
    } else if (data != nullptr && stored > 0) {
        std::memcpy(data, bytes, stored);
    }
    *size = stored;
    return status;
}

RegResult RegSetValueEx(HKEY key, const char* name, uint32_t type, const void* data,
                        uint32_t size) {
    if (key == nullptr) return ErrorInvalidHandle;
    if (!key->writable) return ErrorAccessDenied;
    if (data == nullptr && size > 0) return ErrorInvalidParameter;
    // After a failure SQLite may have ended the transaction itself; writing on would commit
    // the remaining values one by one and leave a mixed record.
    if (key->failed || sqlite3_get_autocommit(key->db)) {
        key->failed = true;
        return ErrorRegistryIoFailed;
    }
    sqlite3_stmt* statement =
        Ready(*key, key->set,
              "INSERT INTO registry_values VALUES(?1, ?2, ?3, ?4) ON CONFLICT(key_path, name)"
              " DO UPDATE SET type = excluded.type, data = excluded.data");
    if (statement != nullptr) {
        sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 2, OrEmpty(name), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(statement, 3, type);
        if (size > 0) {
            sqlite3_bind_blob(statement, 4, data, static_cast<int>(size), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_zeroblob(statement, 4, 0);  // empty, not NULL
        }
        if (sqlite3_step(statement) == SQLITE_DONE) return ErrorSuccess;
    }
    key->failed = true;
    return ErrorRegistryIoFailed;
}

RegResult RegEnumValue(HKEY key, uint32_t index, std::string* name, uint32_t* type,
                       std::vector<uint8_t>* data) {
    if (key == nullptr) return ErrorInvalidHandle;
    sqlite3_stmt* statement = Ready(*key, key->enumerate,
                                    "SELECT name, type, data FROM registry_values"
                                    " WHERE key_path = ?1 ORDER BY rowid LIMIT 1 OFFSET ?2");
    if (statement == nullptr) return ErrorRegistryIoFailed;
    sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(statement, 2, index);
    int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW) return rc == SQLITE_DONE ? ErrorNoMoreItems : ErrorRegistryIoFailed;
    if (name != nullptr) *name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    if (type != nullptr) *type = static_cast<uint32_t>(sqlite3_column_int64(statement, 1));
    if (data != nullptr) {
        auto bytes = static_cast<const uint8_t*>(sqlite3_column_blob(statement, 2));
        data->assign(bytes, bytes + sqlite3_column_bytes(statement, 2));
    }
    return ErrorSuccess;
}

RegResult RegCloseKey(HKEY key) {
    if (key == nullptr) return ErrorInvalidHandle;
    std::unique_ptr<RegistryKey> owned(key);
    RegResult status = ErrorSuccess;
    if (key->writable &&
        (key->failed || sqlite3_get_autocommit(key->db) || !Exec(key->db, "COMMIT")))
        status = ErrorRegistryIoFailed;
    // Ends a read transaction, or drops a write transaction that could not be committed.
    if (!sqlite3_get_autocommit(key->db)) Exec(key->db, "ROLLBACK");
    return status;
}

}  // namespace velinor
