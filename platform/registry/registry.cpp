#include "platform/registry/registry.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <string_view>

#include "platform/registry/registry_file.h"
#include "platform/registry/registry_tables.h"
#include "platform/registry/value_out.h"

namespace velinor {

namespace {

// Long enough for another copy of the program to finish its save, short enough that a store
// held by something else only delays the game briefly before it goes on without it.
constexpr int BusyTimeoutMs = 2000;

}  // namespace

// An open key is a connection of its own with its transaction: a write transaction for
// RegCreateKeyEx, so that the values written between opening and closing land together or not
// at all; a read transaction for RegOpenKeyEx, so that a load sees one whole save.
struct RegistryKey {
    sqlite3* db = nullptr;
    std::string file;
    std::string path;
    bool writable = false;
    bool fresh = false;   // the file was missing or empty when looked at: ours to make
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

// Stores that exist but could not be read in this run. The game then goes on with its defaults,
// and a save would put those in place of a record it never saw.
std::set<std::string>& UnreadStores() {
    static std::set<std::string> files;
    return files;
}

// Passes a read's result on, remembering a store that could not be read.
RegResult NoteRead(const RegistryKey& key, RegResult status) {
    if (status == ErrorRegistryIoFailed) UnreadStores().insert(key.file);
    return status;
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

// Opens the store file if it is ours; a missing or empty one only for writing, which makes it.
RegResult OpenStore(RegistryKey& key) {
    IgnoreFileSizeSignal();
    key.file = RegistryFilePath();
    if (key.file.empty()) return ErrorFileNotFound;
    if (key.writable && UnreadStores().contains(key.file)) return ErrorRegistryIoFailed;
    switch (ClassifyStoreFile(key.file)) {
        case StoreFile::Missing:
        case StoreFile::Empty:
            if (!key.writable) return ErrorFileNotFound;
            key.fresh = true;
            break;
        case StoreFile::Ours:
            break;
        case StoreFile::Foreign:
        case StoreFile::Unreadable:
            return ErrorRegistryIoFailed;
    }
    int flags = SQLITE_OPEN_READWRITE;
    if (key.writable) {
        flags |= SQLITE_OPEN_CREATE;
        std::error_code ignored;  // a folder that cannot be made shows up as a failed open
        std::filesystem::path folder = std::filesystem::path(key.file).parent_path();
        if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    }
    // A file that is not writable is opened for reading only; a write then fails cleanly.
    if (sqlite3_open_v2(key.file.c_str(), &key.db, flags, nullptr) != SQLITE_OK)
        return key.fresh ? ErrorFileNotFound : ErrorRegistryIoFailed;
    sqlite3_busy_timeout(key.db, BusyTimeoutMs);
    return ErrorSuccess;
}

RegResult KeyExists(RegistryKey& key) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(key.db, "SELECT 1 FROM registry_keys WHERE path = ?1", -1, &statement,
                           nullptr) != SQLITE_OK)
        return ErrorRegistryIoFailed;
    Statement owned(statement);
    sqlite3_bind_text(statement, 1, key.path.c_str(), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(statement);
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

RegResult BeginRead(RegistryKey& key) {
    if (RegResult status = OpenStore(key)) return status;
    // The checks read inside the transaction, so the store judged is the one read.
    if (!Exec(key.db, "BEGIN") || !IsSoundStore(key.db)) return ErrorRegistryIoFailed;
    return KeyExists(key);
}

RegResult BeginWrite(RegistryKey& key, const char* keyClass) {
    if (RegResult status = OpenStore(key)) return status;
    // A rollback journal rather than WAL: readers then need nothing beside the file, so a store
    // in a read-only folder or on a full disk still loads. EXTRA syncs the folder once the
    // journal is gone, so that a finished save cannot come back as a journal to roll back.
    if (!Exec(key.db, "PRAGMA journal_mode=DELETE") || !Exec(key.db, "PRAGMA synchronous=EXTRA") ||
        !Exec(key.db, "BEGIN IMMEDIATE"))
        return ErrorRegistryIoFailed;
    // Judged under the write lock, before anything is written.
    bool usable = key.fresh && IsEmptyFile(key.db) ? CreateTables(key.db) : IsSoundStore(key.db);
    if (!usable || !AddKeyPath(key, keyClass)) return ErrorRegistryIoFailed;
    return ErrorSuccess;
}

// A value row as the file holds it. Any column may be NULL or of another type, or disagree with
// the checksum; such a row is absent.
struct ValueRow {
    std::string_view name;
    uint32_t type = 0;
    const uint8_t* data = nullptr;
    size_t size = 0;
};

bool ReadValueRow(sqlite3_stmt* statement, const RegistryKey& key, ValueRow& row) {
    if (sqlite3_column_type(statement, 0) != SQLITE_TEXT ||
        sqlite3_column_type(statement, 1) != SQLITE_INTEGER ||
        sqlite3_column_type(statement, 2) != SQLITE_BLOB ||
        sqlite3_column_type(statement, 3) != SQLITE_INTEGER)
        return false;
    auto name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_int64 type = sqlite3_column_int64(statement, 1);
    auto data = static_cast<const uint8_t*>(sqlite3_column_blob(statement, 2));
    auto size = static_cast<size_t>(sqlite3_column_bytes(statement, 2));
    if (name == nullptr || (data == nullptr && size > 0) || type < 0 || type > UINT32_MAX)
        return false;
    row.name = {name, static_cast<size_t>(sqlite3_column_bytes(statement, 0))};
    row.type = static_cast<uint32_t>(type);
    row.data = data;
    row.size = size;
    return sqlite3_column_int64(statement, 3) ==
           ValueChecksum(key.path, row.name, type, data, size);
}

}  // namespace

RegResult RegOpenKeyEx(RegistryRoot root, const char* subKey, HKEY* result) {
    if (root != HKEY_CURRENT_USER || result == nullptr) return ErrorInvalidParameter;
    auto key = std::make_unique<RegistryKey>();
    key->path = OrEmpty(subKey);
    RegResult status = NoteRead(*key, BeginRead(*key));
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
    sqlite3_stmt* statement = Ready(*key, key->query,
                                    "SELECT name, type, data, checksum FROM registry_values"
                                    " WHERE key_path = ?1 AND name = ?2");
    if (statement == nullptr) return NoteRead(*key, ErrorRegistryIoFailed);
    sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, OrEmpty(name), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? ErrorFileNotFound : NoteRead(*key, ErrorRegistryIoFailed);
    ValueRow row;
    if (!ReadValueRow(statement, *key, row)) return ErrorFileNotFound;
    return HandOutValue(row.type, row.data, row.size, type, data, size);
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
              "INSERT INTO registry_values VALUES(?1, ?2, ?3, ?4, ?5)"
              " ON CONFLICT(key_path, name) DO UPDATE SET"
              " type = excluded.type, data = excluded.data, checksum = excluded.checksum");
    if (statement != nullptr) {
        const char* valueName = OrEmpty(name);
        auto bytes = static_cast<const uint8_t*>(data);
        sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(statement, 2, valueName, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(statement, 3, type);
        if (size > 0) {
            sqlite3_bind_blob(statement, 4, bytes, static_cast<int>(size), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_zeroblob(statement, 4, 0);  // empty, not NULL
        }
        sqlite3_bind_int64(statement, 5, ValueChecksum(key->path, valueName, type, bytes, size));
        if (sqlite3_step(statement) == SQLITE_DONE) return ErrorSuccess;
    }
    key->failed = true;
    return ErrorRegistryIoFailed;
}

RegResult RegEnumValue(HKEY key, uint32_t index, std::string* name, uint32_t* type,
                       std::vector<uint8_t>* data) {
    if (key == nullptr) return ErrorInvalidHandle;
    sqlite3_stmt* statement = Ready(*key, key->enumerate,
                                    "SELECT name, type, data, checksum FROM registry_values"
                                    " WHERE key_path = ?1 ORDER BY rowid");
    if (statement == nullptr) return NoteRead(*key, ErrorRegistryIoFailed);
    sqlite3_bind_text(statement, 1, key->path.c_str(), -1, SQLITE_TRANSIENT);
    // Absent rows take no place in the order.
    ValueRow row;
    uint32_t seen = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (ReadValueRow(statement, *key, row) && seen++ == index) break;
    }
    if (rc != SQLITE_ROW)
        return rc == SQLITE_DONE ? ErrorNoMoreItems : NoteRead(*key, ErrorRegistryIoFailed);
    if (name != nullptr) name->assign(row.name);
    if (type != nullptr) *type = row.type;
    if (data != nullptr) data->assign(row.data, row.data + row.size);
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
