// The registry's text in the page's localStorage; the page's side is registry_web.js.
#include "platform/registry/registry_storage.h"

namespace velinor {

extern "C" {
int velinor_registry_read();
void velinor_registry_copy(char* out, int size);
int velinor_registry_write(const char* text);
}

bool ReadRegistryText(std::optional<std::string>* text) {
    const int length = velinor_registry_read();
    if (length == -2) return false;
    text->reset();
    if (length < 0) return true;
    std::string copy(static_cast<size_t>(length) + 1, '\0');
    velinor_registry_copy(copy.data(), static_cast<int>(copy.size()));
    copy.pop_back();
    *text = std::move(copy);
    return true;
}

bool WriteRegistryText(const std::string& text) {
    return velinor_registry_write(text.c_str()) != 0;
}

}  // namespace velinor
