// A store of the script's own when $VELINOR_REGISTRY names none: a new folder, removed at the end.
#pragma once

#include <filesystem>
#include <string>

namespace velinor {

class FreshStore {
  public:
    FreshStore();
    ~FreshStore();
    FreshStore(const FreshStore&) = delete;
    FreshStore& operator=(const FreshStore&) = delete;

    // False when no folder could be made; Error() says why.
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

  private:
    std::filesystem::path folder_;
    std::string error_;
};

}  // namespace velinor
