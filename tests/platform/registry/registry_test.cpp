#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>

#include "tests/platform/registry/fresh_store.h"
#include "tests/platform/registry/registry_calls.h"

namespace velinor {
namespace test {

static std::optional<TempStore> file;  // the live FreshStore's

FreshStore::FreshStore() {
    file.emplace();
}
FreshStore::~FreshStore() {
    file.reset();
}
bool FreshStore::Exists() const {
    return std::filesystem::exists(file->file());
}

}  // namespace test
namespace {

using namespace test;

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
        SCOPED_TRACE(expected);
        EXPECT_EQ(RegistryFilePath(), expected);
        HKEY key = CreateKey(expected.empty() ? ErrorFileNotFound : ErrorSuccess);
        EXPECT_EQ(RegCloseKey(key), expected.empty() ? ErrorInvalidHandle : ErrorSuccess);
        EXPECT_EQ(std::filesystem::is_regular_file(expected), !expected.empty());
    }
    setenv(names[1], dataHome.c_str(), 1);
    setenv(names[2], home.c_str(), 1);
}

}  // namespace
}  // namespace velinor
