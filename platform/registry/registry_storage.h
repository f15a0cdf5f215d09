// Where the registry keeps its text when the store is a single string (registry_text.cpp): the
// page's storage in a browser (registry_web.cpp), a stand-in in the tests.
#pragma once

#include <optional>
#include <string>

namespace velinor {

// False when the storage cannot be read at all (turned off, refused). Otherwise *text is the
// stored text, or nothing when none was ever stored.
bool ReadRegistryText(std::optional<std::string>* text);

// Replaces the stored text in one step; false when the storage refuses it (full, turned off),
// and the old text then stays.
bool WriteRegistryText(const std::string& text);

}  // namespace velinor
