#include <cstdlib>
#include <filesystem>

#include "platform/registry/registry.h"

namespace velinor {

namespace {

const char* NonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

}  // namespace

std::string RegistryFilePath() {
    if (const char* explicitPath = NonEmptyVariable("VELINOR_REGISTRY")) return explicitPath;
    std::filesystem::path base;
    const char* dataHome = NonEmptyVariable("XDG_DATA_HOME");
    const char* home = NonEmptyVariable("HOME");
    // A relative XDG_DATA_HOME is to be ignored, as if it were unset.
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else if (home != nullptr) {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return (base / "velinor" / "registry.sqlite3").string();
}

}  // namespace velinor
