#include "platform/registry/registry_tables.h"

#include <cstring>
#include <string>

#include "platform/registry/registry_file.h"

namespace velinor {

namespace {

// In the words SQLite keeps in its schema, so that a store's tables can be compared with them.
constexpr const char* Tables[] = {
    "CREATE TABLE registry_keys("
    "path TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, "
    "class TEXT NOT NULL)",
    "CREATE TABLE registry_values("
    "key_path TEXT NOT NULL COLLATE NOCASE, "
    "name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, "
    "data BLOB NOT NULL, "
    "checksum INTEGER NOT NULL, "
    "PRIMARY KEY(key_path, name))",
};

// The single text a one-value statement gives, or false when it gives none.
bool SingleText(sqlite3* db, const char* sql, std::string& text) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &prepared, nullptr) != SQLITE_OK) return false;
    Statement statement(prepared);
    if (sqlite3_step(prepared) != SQLITE_ROW) return false;
    const unsigned char* value = sqlite3_column_text(prepared, 0);
    if (value == nullptr) return false;
    text = reinterpret_cast<const char*>(value);
    return true;
}

// Each table's row in the schema, then the row of its primary key's index (no text of its own).
bool HasOurTables(sqlite3* db) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT type, sql FROM sqlite_schema ORDER BY rowid", -1, &prepared,
                           nullptr) != SQLITE_OK)
        return false;
    Statement statement(prepared);
    auto next = [&](const char* type, const char* sql) {
        if (sqlite3_step(prepared) != SQLITE_ROW) return false;
        auto rowType = reinterpret_cast<const char*>(sqlite3_column_text(prepared, 0));
        auto rowSql = reinterpret_cast<const char*>(sqlite3_column_text(prepared, 1));
        if (rowType == nullptr || std::strcmp(rowType, type) != 0) return false;
        return sql == nullptr ? rowSql == nullptr
                              : rowSql != nullptr && std::strcmp(rowSql, sql) == 0;
    };
    for (const char* table : Tables) {
        if (!next("table", table) || !next("index", nullptr)) return false;
    }
    return sqlite3_step(prepared) == SQLITE_DONE;
}

uint8_t LowerAscii(char c) {
    return static_cast<uint8_t>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

}  // namespace

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool IsEmptyFile(sqlite3* db) {
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = -1;
    return sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK &&
           file != nullptr && file->pMethods != nullptr &&
           file->pMethods->xFileSize(file, &size) == SQLITE_OK && size == 0;
}

bool CreateTables(sqlite3* db) {
    std::string mark = "PRAGMA application_id = " + std::to_string(RegistryApplicationId);
    if (!Exec(db, mark.c_str())) return false;
    for (const char* table : Tables) {
        if (!Exec(db, table)) return false;
    }
    return true;
}

bool IsSoundStore(sqlite3* db) {
    std::string id;
    std::string verdict;
    return SingleText(db, "PRAGMA application_id", id) &&
           id == std::to_string(RegistryApplicationId) && HasOurTables(db) &&
           SingleText(db, "PRAGMA integrity_check(1)", verdict) && verdict == "ok";
}

// 64-bit FNV-1a: every change of a single byte changes it.
int64_t ValueChecksum(std::string_view keyPath, std::string_view name, int64_t type,
                      const uint8_t* data, size_t size) {
    uint64_t hash = 14695981039346656037u;
    auto mix = [&hash](uint8_t byte) { hash = (hash ^ byte) * 1099511628211u; };
    for (std::string_view text : {keyPath, name}) {
        for (char c : text)
            mix(LowerAscii(c));
        mix(0);
    }
    for (int shift = 0; shift < 64; shift += 8)
        mix(static_cast<uint8_t>(static_cast<uint64_t>(type) >> shift));
    for (size_t i = 0; i < size; ++i)
        mix(data[i]);
    return static_cast<int64_t>(hash);
}

}  // namespace velinor
