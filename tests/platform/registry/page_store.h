// The page's storage as the tests see it: the text it holds, and whether it lets itself be read
// and written (storage turned off, storage full).
#pragma once

#include <optional>
#include <string>

namespace velinor::test {

struct PageStorage {
    std::optional<std::string> text;
    bool readable = true;
    bool writable = true;
};

// The one storage ReadRegistryText and WriteRegistryText use; FreshStore empties it.
PageStorage& Storage();

}  // namespace velinor::test
