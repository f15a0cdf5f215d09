#include "app/script/fresh_store.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace velinor {

FreshStore::FreshStore() {
    const char* given = std::getenv("VELINOR_REGISTRY");
    if (given != nullptr && given[0] != '\0') return;
    std::error_code failure;
    std::filesystem::path base = std::filesystem::temp_directory_path(failure);
    if (failure) base = "/tmp";
    std::string pattern = (base / "velinor-script-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        error_ =
            "cannot make a folder for the store in " + base.string() + ": " + std::strerror(errno);
        return;
    }
    folder_ = pattern;
    setenv("VELINOR_REGISTRY", (folder_ / "registry.sqlite3").c_str(), 1);
}

FreshStore::~FreshStore() {
    if (folder_.empty()) return;
    unsetenv("VELINOR_REGISTRY");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

}  // namespace velinor
