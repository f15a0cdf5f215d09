#include <filesystem>

#include "tests/platform/registry/fresh_store.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

struct FreshStore::Place {
    TempStore file;
};

FreshStore::FreshStore() : place_(std::make_unique<Place>()) {}
FreshStore::~FreshStore() = default;

bool FreshStore::Exists() const {
    return std::filesystem::exists(place_->file.file());
}

}  // namespace velinor::test
