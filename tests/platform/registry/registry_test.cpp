#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>

#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace std::string_view_literals;
using namespace test;

constexpr const char* KeyPath = "Software\\QTX\\Velinor";

HKEY CreateKey() {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "parameters", &key), ErrorSuccess);
    return key;
}

HKEY OpenKey(const char* path = KeyPath, RegResult expected = ErrorSuccess) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, &key), expected) << path;
    EXPECT_EQ(key == nullptr, expected != ErrorSuccess) << path;
    return key;
}

void Set(HKEY key, const StoredValue& value) {
    auto size = static_cast<uint32_t>(value.bytes.size());
    RegResult result = RegSetValueEx(key, value.name.c_str(), value.type, value.bytes.data(), size);
    EXPECT_EQ(result, ErrorSuccess) << value.name;
}

// The value's bytes, or nothing when the query fails.
std::optional<std::vector<uint8_t>> Query(HKEY key, const char* name) {
    std::array<uint8_t, 64> buffer{};
    auto size = static_cast<uint32_t>(buffer.size());
    if (RegQueryValueEx(key, name, nullptr, buffer.data(), &size) != ErrorSuccess)
        return std::nullopt;
    return std::vector<uint8_t>(buffer.begin(), buffer.begin() + size);
}

TEST(Registry, OnlyCreatedKeysAndTheKeysAboveThemOpen) {
    TempStore store;
    OpenKey(KeyPath, ErrorFileNotFound);
    EXPECT_FALSE(std::filesystem::exists(store.file()));  // reading creates no store
    EXPECT_EQ(RegCloseKey(CreateKey()), ErrorSuccess);
    for (const char* path : {KeyPath, "Software\\QTX", "software\\qtx\\VELINOR"})
        EXPECT_EQ(RegCloseKey(OpenKey(path)), ErrorSuccess);
    for (const char* path : {"Software\\QTX\\Other", "Software\\QTX\\Velinor\\Sub", ""})
        OpenKey(path, ErrorFileNotFound);
}

TEST(Registry, ValuesKeepTheirTypeAndExactBytesInWritingOrder) {
    TempStore store;
    std::vector<StoredValue> values = {
        {"version", REG_SZ, Bytes("1\0.\0"sv)},
        {"langue", REG_DWORD, {0x01, 0x00, 0x00, 0x00}},
        {"player", REG_DWORD, {0x01, 0x00}},
        {"raw", 0x99, {0xFF, 0x00, 0x80}},
        {"empty", REG_SZ, {}},
    };
    HKEY key = CreateKey();
    for (const StoredValue& value : values)
        Set(key, value);
    // Writing a value again keeps its place and takes the new type and bytes.
    values[1] = {"langue", REG_SZ, {0x02}};
    Set(key, values[1]);
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    EXPECT_EQ(ReadValues(KeyPath), values);
}

TEST(Registry, QueryReportsSizesAndLeavesATooSmallBufferAlone) {
    TempStore store;
    HKEY key = CreateKey();
    Set(key, {"lineOK", REG_DWORD, {0x00, 0x50, 0x00, 0x00}});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);

    key = OpenKey();
    uint32_t type = 0;
    uint32_t size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", &type, nullptr, &size), ErrorSuccess);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    std::array<uint8_t, 3> buffer = {0xAA, 0xAA, 0xAA};
    size = 3;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", nullptr, buffer.data(), &size), ErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer, (std::array<uint8_t, 3>{0xAA, 0xAA, 0xAA}));
    // Names are found whatever their case, as on the handheld.
    EXPECT_EQ(Query(key, "LINEok"), (std::vector<uint8_t>{0x00, 0x50, 0x00, 0x00}));
    EXPECT_EQ(Query(key, "lineVI"), std::nullopt);

    // A key opened for reading refuses writes; no key at all is refused everywhere.
    EXPECT_EQ(RegSetValueEx(key, "langue", REG_DWORD, buffer.data(), 1), ErrorAccessDenied);
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    EXPECT_EQ(ReadValues(KeyPath).size(), 1u);
    EXPECT_EQ(RegQueryValueEx(nullptr, "langue", nullptr, buffer.data(), &size),
              ErrorInvalidHandle);
    EXPECT_EQ(RegSetValueEx(nullptr, "langue", REG_DWORD, buffer.data(), 1), ErrorInvalidHandle);
    EXPECT_EQ(RegCloseKey(nullptr), ErrorInvalidHandle);
}

TEST(Registry, WritesShowOnlyOnceTheWritingKeyIsClosed) {
    TempStore store;
    HKEY key = CreateKey();
    Set(key, {"a", REG_DWORD, {1}});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);

    HKEY writer = CreateKey();
    Set(writer, {"a", REG_DWORD, {2}});
    Set(writer, {"b", REG_DWORD, {2}});
    HKEY before = OpenKey();
    EXPECT_EQ(Query(before, "a"), std::vector<uint8_t>{1});
    EXPECT_EQ(Query(before, "b"), std::nullopt);
    // The writer commits once no reader holds the store.
    EXPECT_EQ(RegCloseKey(before), ErrorSuccess);
    EXPECT_EQ(RegCloseKey(writer), ErrorSuccess);
    EXPECT_EQ(ReadValues(KeyPath),
              (std::vector<StoredValue>{{"a", REG_DWORD, {2}}, {"b", REG_DWORD, {2}}}));
}

TEST(Registry, StoreLivesWhereTheVariablesSayAndItsFoldersAreMade) {
    TempStore store;
    const std::string root = store.folder().string();
    // TempStore restores VELINOR_REGISTRY; the other two come back at the end (empty is unset).
    const char* names[] = {"VELINOR_REGISTRY", "XDG_DATA_HOME", "HOME"};
    const std::string dataHome = std::getenv(names[1]) ? std::getenv(names[1]) : "";
    const std::string home = std::getenv(names[2]) ? std::getenv(names[2]) : "";
    // Paths starting with / are placed under the test's folder.
    const std::array<const char*, 4> cases[] = {
        {"/X/given.db", "/X/data", "/X/home", "/X/given.db"},
        {nullptr, "/X/data", "/X/home", "/X/data/velinor/registry.sqlite3"},
        {"", "", "/X/home", "/X/home/.local/share/velinor/registry.sqlite3"},
        {nullptr, "relative/data", "/X/home", "/X/home/.local/share/velinor/registry.sqlite3"},
        {nullptr, nullptr, nullptr, ""},
    };
    auto place = [&](std::string path) { return path.starts_with('/') ? root + path : path; };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i)
            c[i] != nullptr ? setenv(names[i], place(c[i]).c_str(), 1) : unsetenv(names[i]);
        const std::string expected = place(c[3]);
        EXPECT_EQ(RegistryFilePath(), expected);
        HKEY key = nullptr;
        RegResult created = RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "", &key);
        EXPECT_EQ(created, expected.empty() ? ErrorFileNotFound : ErrorSuccess) << expected;
        if (created == ErrorSuccess) {
            EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
        }
        EXPECT_EQ(std::filesystem::is_regular_file(expected), !expected.empty()) << expected;
    }
    setenv(names[1], dataHome.c_str(), 1);
    setenv(names[2], home.c_str(), 1);
}

}  // namespace
}  // namespace velinor
