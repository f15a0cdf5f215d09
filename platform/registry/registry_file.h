// What lies at the store's path, told from the file's first bytes before SQLite opens it. SQLite
// would roll back a journal it finds beside a file, or create files beside one in WAL mode, so a
// file that is not the registry's own never reaches it.
#pragma once

#include <cstdint>
#include <string>

namespace velinor {

// Kept in the database header: marks a database as this registry's own.
constexpr int32_t RegistryApplicationId = 0x56656C6E;  // "Veln"

enum class StoreFile {
    Missing,
    Empty,
    Ours,        // our application id and a rollback journal; its tables are checked once open
    Foreign,     // anything else: another program's database, another format, a WAL database
    Unreadable,  // there, but its first bytes cannot be read
};

StoreFile ClassifyStoreFile(const std::string& path);

// A write beyond the file-size limit raises SIGXFSZ, which by default ends the program. Ignored,
// the write fails with EFBIG and the save is dropped like any other failed one. A handler the
// program installed itself stays.
void IgnoreFileSizeSignal();

}  // namespace velinor
