// The registry's tables inside the SQLite file: making them in a new store, recognising them in
// an existing one, and the checksum every value carries.
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace velinor {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

bool Exec(sqlite3* db, const char* sql);

// The database's file holds no byte yet (SQLite keeps a new database's first page in memory
// until its first commit).
bool IsEmptyFile(sqlite3* db);

// Marks an empty database as ours and makes the tables, within the caller's transaction.
bool CreateTables(sqlite3* db);

// Exactly the tables CreateTables makes, in their words, nothing else beside them, and SQLite's
// integrity check passed. Whatever fails here is neither read nor written.
bool IsSoundStore(sqlite3* db);

// Over the value's place as the store compares it (key path and name without regard to case),
// its type and its bytes.
int64_t ValueChecksum(std::string_view keyPath, std::string_view name, int64_t type,
                      const uint8_t* data, size_t size);

}  // namespace velinor
