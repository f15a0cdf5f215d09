#include "tests/platform/registry/page_store.h"

#include "platform/registry/registry_storage.h"
#include "tests/platform/registry/fresh_store.h"

namespace velinor {

namespace test {

PageStorage& Storage() {
    static PageStorage storage;
    return storage;
}

struct FreshStore::Place {};

FreshStore::FreshStore() {
    Storage() = {};
}

FreshStore::~FreshStore() = default;

bool FreshStore::Exists() const {
    return Storage().text.has_value();
}

}  // namespace test

bool ReadRegistryText(std::optional<std::string>* text) {
    if (!test::Storage().readable) return false;
    *text = test::Storage().text;
    return true;
}

bool WriteRegistryText(const std::string& text) {
    if (!test::Storage().writable) return false;
    test::Storage().text = text;
    return true;
}

}  // namespace velinor
