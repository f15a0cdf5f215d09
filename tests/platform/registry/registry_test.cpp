#include "platform/registry/registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <optional>

#include "tests/support/temp_store.h"

namespace velinor {
namespace {

using namespace std::string_view_literals;
using test::Bytes;
using test::ReadValues;
using test::StoredValue;
using test::TempStore;

constexpr const char* KeyPath = "Software\\QTX\\Velinor";

HKEY CreateKey(const char* path = KeyPath) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path, "parameters", &key), ErrorSuccess);
    return key;
}

HKEY OpenKey(const char* path = KeyPath) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, &key), ErrorSuccess);
    return key;
}

void Set(HKEY key, const StoredValue& value) {
    EXPECT_EQ(RegSetValueEx(key, value.name.c_str(), value.type, value.bytes.data(),
                            static_cast<uint32_t>(value.bytes.size())),
              ErrorSuccess)
        << value.name;
}

// The value's bytes, or nothing when the query fails.
std::optional<std::vector<uint8_t>> Query(HKEY key, const char* name) {
    std::array<uint8_t, 64> buffer{};
    auto size = static_cast<uint32_t>(buffer.size());
    if (RegQueryValueEx(key, name, nullptr, buffer.data(), &size) != ErrorSuccess)
        return std::nullopt;
    return std::vector<uint8_t>(buffer.begin(), buffer.begin() + size);
}

TEST(Registry, MissingStoreFailsToOpenAndIsNotCreatedByReading) {
    TempStore store;
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, KeyPath, &key), ErrorFileNotFound);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(std::filesystem::exists(store.file()));
}

TEST(Registry, ValuesKeepTheirTypeAndExactBytesInWritingOrder) {
    TempStore store;
    const std::vector<StoredValue> values = {
        {"version", REG_SZ,
         Bytes("1\0.\0"
               "3\0\0\0"sv)},
        {"langue", REG_DWORD, {0x01, 0x00, 0x00, 0x00}},
        {"player", REG_DWORD, {0x01, 0x00}},
        {"histo10", REG_SZ, Bytes("0;3;2;\0"sv)},
        {"raw", 0x99, {0xFF, 0x00, 0x80}},
        {"empty", REG_SZ, {}},
    };
    HKEY key = CreateKey();
    for (const StoredValue& value : values)
        Set(key, value);
    // Writing a value again keeps its place and takes the new type and bytes.
    Set(key, {"langue", REG_SZ, {0x02}});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);

    std::vector<StoredValue> expected = values;
    expected[1] = {"langue", REG_SZ, {0x02}};
    EXPECT_EQ(ReadValues(KeyPath), expected);
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

    std::array<uint8_t, 2> small = {0xAA, 0xAA};
    size = 2;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", nullptr, small.data(), &size), ErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(small, (std::array<uint8_t, 2>{0xAA, 0xAA}));

    // A larger buffer takes the bytes at its start and keeps the rest.
    std::array<uint8_t, 6> large = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    size = 6;
    EXPECT_EQ(RegQueryValueEx(key, "lineOK", nullptr, large.data(), &size), ErrorSuccess);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(large, (std::array<uint8_t, 6>{0x00, 0x50, 0x00, 0x00, 0xAA, 0xAA}));

    // Names are found whatever their case, as on the handheld.
    EXPECT_EQ(Query(key, "LINEok"), (std::vector<uint8_t>{0x00, 0x50, 0x00, 0x00}));
    EXPECT_EQ(RegQueryValueEx(key, "lineVI", nullptr, large.data(), &size), ErrorFileNotFound);
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
}

TEST(Registry, OnlyCreatedKeysAndTheKeysAboveThemOpen) {
    TempStore store;
    EXPECT_EQ(RegCloseKey(CreateKey()), ErrorSuccess);
    for (const char* path : {KeyPath, "Software\\QTX", "software\\qtx\\VELINOR"}) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, &key), ErrorSuccess) << path;
        EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    }
    for (const char* path : {"Software\\QTX\\Other", "Software\\QTX\\Velinor\\Sub", ""}) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, path, &key), ErrorFileNotFound) << path;
        EXPECT_EQ(key, nullptr);
    }
}

TEST(Registry, AKeyOpenedForReadingRefusesWritesAndBadHandlesAreRefused) {
    TempStore store;
    EXPECT_EQ(RegCloseKey(CreateKey()), ErrorSuccess);
    HKEY key = OpenKey();
    uint8_t byte = 1;
    EXPECT_EQ(RegSetValueEx(key, "langue", REG_DWORD, &byte, 1), ErrorAccessDenied);
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    EXPECT_EQ(ReadValues(KeyPath).size(), 0u);

    uint32_t size = 1;
    EXPECT_EQ(RegQueryValueEx(nullptr, "langue", nullptr, &byte, &size), ErrorInvalidHandle);
    EXPECT_EQ(RegSetValueEx(nullptr, "langue", REG_DWORD, &byte, 1), ErrorInvalidHandle);
    EXPECT_EQ(RegCloseKey(nullptr), ErrorInvalidHandle);
}

TEST(Registry, WritesShowOnlyOnceTheWritingKeyIsClosed) {
    TempStore store;
    HKEY key = CreateKey();
    Set(key, {"a", REG_DWORD, {1, 0, 0, 0}});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);

    HKEY writer = CreateKey();
    Set(writer, {"a", REG_DWORD, {2, 0, 0, 0}});
    Set(writer, {"b", REG_DWORD, {2, 0, 0, 0}});
    HKEY before = OpenKey();
    EXPECT_EQ(Query(before, "a"), (std::vector<uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(Query(before, "b"), std::nullopt);
    EXPECT_EQ(RegCloseKey(writer), ErrorSuccess);
    // A reader keeps the snapshot it started with until it closes.
    EXPECT_EQ(Query(before, "b"), std::nullopt);
    EXPECT_EQ(RegCloseKey(before), ErrorSuccess);

    HKEY after = OpenKey();
    EXPECT_EQ(Query(after, "a"), (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(Query(after, "b"), (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(RegCloseKey(after), ErrorSuccess);
}

TEST(Registry, ASecondWriterWaitsForTheFirstToFinish) {
    TempStore store;
    EXPECT_EQ(RegCloseKey(CreateKey()), ErrorSuccess);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        HKEY key = nullptr;
        RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "", &key);
        uint8_t owner = 7;
        RegSetValueEx(key, "owner", REG_DWORD, &owner, 1);
        char signal = 1;
        bool told = write(ready[1], &signal, 1) == 1;
        usleep(300'000);
        _exit(told && RegCloseKey(key) == ErrorSuccess ? 0 : 1);
    }
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    // The child holds its transaction open: this key is granted only after the child commits.
    HKEY key = CreateKey();
    EXPECT_EQ(Query(key, "owner"), std::vector<uint8_t>{7});
    EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(ready[0]);
    close(ready[1]);
}

// Restores the variables that choose the store's place.
class LocationVariables {
  public:
    LocationVariables() {
        for (auto& [name, value] : saved_) {
            const char* current = std::getenv(name);
            if (current != nullptr) value = current;
        }
    }
    ~LocationVariables() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name, value->c_str(), 1);
            } else {
                unsetenv(name);
            }
        }
    }

  private:
    std::array<std::pair<const char*, std::optional<std::string>>, 3> saved_ = {
        {{"VELINOR_REGISTRY", {}}, {"XDG_DATA_HOME", {}}, {"HOME", {}}}};
};

TEST(Registry, StoreLivesWhereTheVariablesSayAndItsFoldersAreMade) {
    TempStore store;
    LocationVariables restore;
    const std::string root = store.folder().string();
    struct Case {
        const char* registry;
        const char* dataHome;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"/X/given.db", "/X/data", "/X/home", "/X/given.db"},
        {nullptr, "/X/data", "/X/home", "/X/data/velinor/registry.sqlite3"},
        {"", "", "/X/home", "/X/home/.local/share/velinor/registry.sqlite3"},
        {nullptr, "relative/data", "/X/home", "/X/home/.local/share/velinor/registry.sqlite3"},
        {nullptr, nullptr, nullptr, ""},
    };
    auto place = [&](const char* path) { return root + (path + 2); };
    for (const Case& c : cases) {
        for (auto [name, value] : {std::pair{"VELINOR_REGISTRY", c.registry},
                                   {"XDG_DATA_HOME", c.dataHome},
                                   {"HOME", c.home}}) {
            if (value == nullptr) {
                unsetenv(name);
            } else {
                setenv(name, value[0] == '/' ? place(value).c_str() : value, 1);
            }
        }
        std::string expected = c.expected.empty() ? "" : place(c.expected.c_str());
        EXPECT_EQ(RegistryFilePath(), expected);
        HKEY key = nullptr;
        RegResult created = RegCreateKeyEx(HKEY_CURRENT_USER, KeyPath, "", &key);
        if (expected.empty()) {
            EXPECT_EQ(created, ErrorFileNotFound);
            continue;
        }
        EXPECT_EQ(created, ErrorSuccess);
        EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
        EXPECT_TRUE(std::filesystem::is_regular_file(expected)) << expected;
    }
}

}  // namespace
}  // namespace velinor
