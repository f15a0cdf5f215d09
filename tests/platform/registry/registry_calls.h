// The registry's calls as the tests make them, each checked on the way.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <vector>

#include "platform/registry/registry.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

inline constexpr const char* KeyPath = "Software\\QTX\\Velinor";

inline HKEY CreateKey() {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "parameters", &key), ErrorSuccess);
    return key;
}

inline HKEY OpenKey(const char* path = KeyPath, RegResult expected = ErrorSuccess) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, &key), expected) << path;
    EXPECT_EQ(key == nullptr, expected != ErrorSuccess) << path;
    return key;
}

inline void Set(HKEY key, const StoredValue& value) {
    auto size = static_cast<uint32_t>(value.bytes.size());
    RegResult result = RegSetValueEx(key, value.name.c_str(), value.type, value.bytes.data(), size);
    EXPECT_EQ(result, ErrorSuccess) << value.name;
}

// The value's bytes, or nothing when the query fails.
inline std::optional<std::vector<uint8_t>> Query(HKEY key, const char* name) {
    std::array<uint8_t, 64> buffer{};
    auto size = static_cast<uint32_t>(buffer.size());
    if (RegQueryValueEx(key, name, nullptr, buffer.data(), &size) != ErrorSuccess)
        return std::nullopt;
    return std::vector<uint8_t>(buffer.begin(), buffer.begin() + size);
}

}  // namespace velinor::test
