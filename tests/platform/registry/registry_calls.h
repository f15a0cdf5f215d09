// The registry's calls as the tests make them, each checked on the way.
#pragma once

#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

inline constexpr const char* KeyPath = "Software\\QTX\\Velinor";

inline HKEY CreateKey(RegResult expected = ErrorSuccess) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "parameters", &key), expected);
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

}  // namespace velinor::test
