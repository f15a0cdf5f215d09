// An empty store for one test, of whichever registry the test program links: the SQLite file
// (registry_test.cpp) or the page's text (registry_page_test.cpp).
#pragma once

namespace velinor::test {

struct FreshStore {
    FreshStore();
    ~FreshStore();
    // Whether anything was ever stored.
    bool Exists() const;
};

}  // namespace velinor::test
