// What every registry store does, whichever the test program links (fresh_store.h).
#include <gtest/gtest.h>

#include <array>

#include "platform/registry/registry.h"
#include "tests/platform/registry/fresh_store.h"
#include "tests/platform/registry/registry_calls.h"

namespace velinor {
namespace {

using namespace test;

TEST(Registry, OnlyCreatedKeysAndTheKeysAboveThemOpen) {
    FreshStore store;
    OpenKey(KeyPath, ErrorFileNotFound);
    EXPECT_FALSE(store.Exists());  // reading creates no store
    EXPECT_EQ(RegCloseKey(CreateKey()), ErrorSuccess);
    for (const char* path : {KeyPath, "Software\\QTX", "software\\qtx\\VELINOR"})
        EXPECT_EQ(RegCloseKey(OpenKey(path)), ErrorSuccess);
    for (const char* path : {"Software\\QTX\\Other", "Software\\QTX\\Velinor\\Sub", ""})
        OpenKey(path, ErrorFileNotFound);
}

TEST(Registry, ValuesKeepTheirTypeAndExactBytesInWritingOrder) {
    FreshStore store;
    std::vector<StoredValue> values = {
        {"version", REG_SZ, {'1', 0, '.', 0}},
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
    FreshStore store;
    HKEY key = CreateKey();
    Set(key, {"lineOK", REG_DWORD, {0x00, 0x50, 0x00, 0x00}});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);

    key = OpenKey();
    uint32_t type = 0, size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", &type, nullptr, &size), ErrorSuccess);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4u);
    std::array<uint8_t, 3> buffer = {0xAA, 0xAA, 0xAA};
    size = 3;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", nullptr, buffer.data(), &size), ErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer, (std::array<uint8_t, 3>{0xAA, 0xAA, 0xAA}));
    // Names are found whatever their case, as on the handheld.
    std::array<uint8_t, 4> value{};
    size = 4;
    EXPECT_EQ(RegQueryValueEx(key, "LINEok", nullptr, value.data(), &size), ErrorSuccess);
    EXPECT_EQ(value, (std::array<uint8_t, 4>{0x00, 0x50, 0x00, 0x00}));
    EXPECT_EQ(RegQueryValueEx(key, "lineVI", nullptr, value.data(), &size), ErrorFileNotFound);

    // A key opened for reading refuses writes; no key at all is refused everywhere.
    EXPECT_EQ(RegSetValueEx(key, "langue", REG_DWORD, buffer.data(), 1), ErrorAccessDenied);
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    EXPECT_EQ(ReadValues(KeyPath).size(), 1u);
    EXPECT_EQ(RegQueryValueEx(nullptr, "langue", nullptr, buffer.data(), &size),
              ErrorInvalidHandle);
    EXPECT_EQ(RegSetValueEx(nullptr, "langue", REG_DWORD, buffer.data(), 1), ErrorInvalidHandle);
    EXPECT_EQ(RegCloseKey(nullptr), ErrorInvalidHandle);
}

}  // namespace
}  // namespace velinor
