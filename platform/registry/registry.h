// The per-user registry: keys holding named values of a type and exact bytes, with the calls
// and result codes the settings code was written against. One SQLite file per user holds it.
//
// Only a file the registry made itself is used: a missing or empty file is made into a store by
// the first write; any other file that is not such a store (another program's database, tables
// of another shape, one that fails SQLite's integrity check) is neither read nor written. A store
// that exists but could not be read is not written again by this process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velinor {

// 0 on success, otherwise why the call failed.
using RegResult = int32_t;
constexpr RegResult ErrorSuccess = 0;
constexpr RegResult ErrorFileNotFound = 2;  // no store, no such key, no such value
constexpr RegResult ErrorAccessDenied = 5;  // writing through a key opened for reading
constexpr RegResult ErrorInvalidHandle = 6;
constexpr RegResult ErrorInvalidParameter = 87;
constexpr RegResult ErrorMoreData = 234;  // the caller's buffer is smaller than the data
constexpr RegResult ErrorNoMoreItems = 259;
constexpr RegResult ErrorRegistryIoFailed = 1016;  // locked, unreadable or not our store

// Value types. The store keeps the type beside the bytes and never converts either.
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_DWORD = 4;

// The store is per user already, so the current user is the only root.
enum RegistryRoot { HKEY_CURRENT_USER };

struct RegistryKey;
using HKEY = RegistryKey*;

// $VELINOR_REGISTRY, else $XDG_DATA_HOME/velinor/registry.sqlite3, else
// ~/.local/share/velinor/registry.sqlite3; empty when none of them can be worked out.
std::string RegistryFilePath();

// Opens an existing key for reading. What it reads is one snapshot of the store until
// RegCloseKey: a writer's commit waits until then. Reading creates no file.
RegResult RegOpenKeyEx(RegistryRoot root, const char* subKey, HKEY* result);

// Opens a key for writing, creating the store, its folders and the key as needed. Everything
// written through the key is one transaction that RegCloseKey commits: a program that dies
// before closing leaves the store as it was, and a second program waits for the first.
RegResult RegCreateKeyEx(RegistryRoot root, const char* subKey, const char* keyClass, HKEY* result);

// With data, copies the value's bytes when *size is large enough; otherwise ErrorMoreData and
// data is left alone. Without data, only reports the size. *size is the value's size afterwards.
// A stored value whose checksum fails, or a row with a column of another type, is missing.
RegResult RegQueryValueEx(HKEY key, const char* name, uint32_t* type, void* data, uint32_t* size);

RegResult RegSetValueEx(HKEY key, const char* name, uint32_t type, const void* data, uint32_t size);

// The index-th value of the key in the order the values were first written; missing values
// (see RegQueryValueEx) take no place.
RegResult RegEnumValue(HKEY key, uint32_t index, std::string* name, uint32_t* type,
                       std::vector<uint8_t>* data);

// Commits what was written (or drops all of it if any write failed) and releases the key.
RegResult RegCloseKey(HKEY key);

}  // namespace velinor
