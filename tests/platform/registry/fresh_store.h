// An empty store for one test, of whichever registry the test program links: the SQLite file
// (sqlite_store.cpp) or the page's text (page_store.cpp).
#pragma once

#include <memory>

namespace velinor::test {

class FreshStore {
  public:
    FreshStore();
    ~FreshStore();
    FreshStore(const FreshStore&) = delete;
    FreshStore& operator=(const FreshStore&) = delete;

    // Whether anything was ever stored.
    bool Exists() const;

  private:
    struct Place;
    std::unique_ptr<Place> place_;
};

}  // namespace velinor::test
