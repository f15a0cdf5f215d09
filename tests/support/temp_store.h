// A registry file of its own for one test, and direct access to the values under a key.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/registry/registry.h"

namespace velinor::test {

// Points VELINOR_REGISTRY at a file in a fresh folder while it lives; removes the folder after.
class TempStore {
  public:
    explicit TempStore(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        if (const char* previous = std::getenv("VELINOR_REGISTRY")) previous_ = previous;
        std::string pattern = (base / "velinor-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        file_ = folder_ / "registry.sqlite3";
        setenv("VELINOR_REGISTRY", file_.c_str(), 1);
    }
    ~TempStore() {
        if (previous_.empty()) {
            unsetenv("VELINOR_REGISTRY");
        } else {
            setenv("VELINOR_REGISTRY", previous_.c_str(), 1);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    // In a folder in memory where the system has one: for tests whose many syncs need not reach
    // a disk.
    static TempStore InMemory() {
        std::error_code ignored;
        return std::filesystem::is_directory("/dev/shm", ignored) ? TempStore("/dev/shm")
                                                                  : TempStore();
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    const std::filesystem::path& file() const { return file_; }

  private:
    std::string previous_;
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

struct StoredValue {
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// Every value of the key in the order the store keeps them; empty when the key cannot be opened.
inline std::vector<StoredValue> ReadValues(const char* keyPath) {
    std::vector<StoredValue> values;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, keyPath, &key) != ErrorSuccess) return values;
    StoredValue value;
    while (RegEnumValue(key, static_cast<uint32_t>(values.size()), &value.name, &value.type,
                        &value.bytes) == ErrorSuccess)
        values.push_back(value);
    RegCloseKey(key);
    return values;
}

// Stores one value as a hand-edited store might hold it.
inline RegResult WriteValue(const char* keyPath, const StoredValue& value) {
    HKEY key = nullptr;
    if (RegResult status = RegCreateKeyEx(HKEY_CURRENT_USER, keyPath, "", &key)) return status;
    RegSetValueEx(key, value.name.c_str(), value.type, value.bytes.data(),
                  static_cast<uint32_t>(value.bytes.size()));
    return RegCloseKey(key);
}

}  // namespace velinor::test
