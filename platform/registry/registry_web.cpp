// The registry's text in the page's localStorage: it outlives a reload and a browser restart,
// and one setItem replaces it whole. Storage that is turned off or full throws; that is a failed
// read or write here, and the game goes on with what it has.
#include <emscripten.h>

#include "platform/registry/registry_storage.h"

namespace velinor {
namespace {

// The length of the stored text, which the next call copies out; -1 when there is none, -2 when
// the storage cannot be read. Read once, so both calls see the same text.
EM_JS(int, velinor_registry_read, (), {
    try {
        Module.velinorRegistryText = window.localStorage.getItem("velinor.registry");
    } catch (e) {
        return -2;
    }
    const text = Module.velinorRegistryText;
    return text == = null ? -1 : lengthBytesUTF8(text);
});

EM_JS(void, velinor_registry_copy, (char* out, int size), {
    stringToUTF8(Module.velinorRegistryText, out, size);
    Module.velinorRegistryText = null;
});

EM_JS(int, velinor_registry_write, (const char* text), {
    try {
        window.localStorage.setItem("velinor.registry", UTF8ToString(text));
        return 1;
    } catch (e) {
        return 0;
    }
});

}  // namespace

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
