// The registry's calls over one stored text (registry_storage.h). A key works on its own copy
// of what it read; a key opened for writing puts its values into the latest stored text when it
// closes and writes the whole text back in one step. Another copy of the program (a second
// browser tab) that saved meanwhile keeps its other values, and no record is ever half of one
// save and half of another.
#include <memory>
#include <string_view>

#include "platform/registry/registry.h"
#include "platform/registry/registry_record.h"
#include "platform/registry/registry_storage.h"
#include "platform/registry/value_out.h"

namespace velinor {

struct RegistryKey {
    std::string path;
    std::string keyClass;
    bool writable = false;
    std::vector<RegistryValue> values;   // what the key reads: the stored ones and its own writes
    std::vector<RegistryValue> written;  // what closing a writable key stores
};

namespace {

const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

// The stored record; an empty one when nothing was ever stored.
RegResult ReadRecord(RegistryRecord* record) {
    std::optional<std::string> text;
    if (!ReadRegistryText(&text)) return ErrorRegistryIoFailed;
    if (!text) {
        *record = {};
        return ErrorSuccess;
    }
    std::optional<RegistryRecord> decoded = DecodeRegistry(*text);
    // Text that is not ours is never overwritten: the program runs with its defaults.
    if (!decoded) return ErrorRegistryIoFailed;
    *record = std::move(*decoded);
    return ErrorSuccess;
}

void Put(std::vector<RegistryValue>& values, const RegistryValue& value) {
    if (RegistryValue* existing = FindValue(values, value.name)) {
        existing->type = value.type;
        existing->data = value.data;
    } else {
        values.push_back(value);
    }
}

// The key and the keys above it; an existing key keeps its class.
RegistryKeyRecord& AddKeyPath(RegistryRecord& record, std::string_view path,
                              const std::string& keyClass) {
    for (size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const bool last = end == std::string_view::npos;
        const std::string_view prefix = last ? path : path.substr(0, end);
        RegistryKeyRecord* key = FindKey(record, prefix);
        if (key == nullptr) {
            record.keys.push_back({std::string(prefix), last ? keyClass : "", {}});
            key = &record.keys.back();
        }
        if (last) return *key;
    }
}

RegResult Store(const RegistryKey& key) {
    RegistryRecord record;
    if (RegResult status = ReadRecord(&record)) return status;
    RegistryKeyRecord& target = AddKeyPath(record, key.path, key.keyClass);
    for (const RegistryValue& value : key.written)
        Put(target.values, value);
    return WriteRegistryText(EncodeRegistry(record)) ? ErrorSuccess : ErrorRegistryIoFailed;
}

}  // namespace

RegResult RegOpenKeyEx(RegistryRoot root, const char* subKey, HKEY* result) {
    if (root != HKEY_CURRENT_USER || result == nullptr) return ErrorInvalidParameter;
    RegistryRecord record;
    if (RegResult status = ReadRecord(&record)) return status;
    const RegistryKeyRecord* key = FindKey(record, OrEmpty(subKey));
    if (key == nullptr) return ErrorFileNotFound;
    *result = new RegistryKey{key->path, key->keyClass, false, key->values, {}};
    return ErrorSuccess;
}

RegResult RegCreateKeyEx(RegistryRoot root, const char* subKey, const char* keyClass,
                         HKEY* result) {
    if (root != HKEY_CURRENT_USER || result == nullptr) return ErrorInvalidParameter;
    RegistryRecord record;
    if (RegResult status = ReadRecord(&record)) return status;
    auto key = std::make_unique<RegistryKey>();
    key->path = OrEmpty(subKey);
    key->keyClass = OrEmpty(keyClass);
    key->writable = true;
    if (const RegistryKeyRecord* existing = FindKey(record, key->path))
        key->values = existing->values;
    *result = key.release();
    return ErrorSuccess;
}

RegResult RegQueryValueEx(HKEY key, const char* name, uint32_t* type, void* data, uint32_t* size) {
    if (key == nullptr) return ErrorInvalidHandle;
    if (data != nullptr && size == nullptr) return ErrorInvalidParameter;
    const RegistryValue* value = FindValue(key->values, OrEmpty(name));
    if (value == nullptr) return ErrorFileNotFound;
    return HandOutValue(value->type, value->data.data(), value->data.size(), type, data, size);
}

RegResult RegSetValueEx(HKEY key, const char* name, uint32_t type, const void* data,
                        uint32_t size) {
    if (key == nullptr) return ErrorInvalidHandle;
    if (!key->writable) return ErrorAccessDenied;
    if (data == nullptr && size > 0) return ErrorInvalidParameter;
    const auto* bytes = static_cast<const uint8_t*>(data);
    const RegistryValue value{OrEmpty(name), type, std::vector<uint8_t>(bytes, bytes + size)};
    Put(key->values, value);
    Put(key->written, value);
    return ErrorSuccess;
}

RegResult RegEnumValue(HKEY key, uint32_t index, std::string* name, uint32_t* type,
                       std::vector<uint8_t>* data) {
    if (key == nullptr) return ErrorInvalidHandle;
    if (index >= key->values.size()) return ErrorNoMoreItems;
    const RegistryValue& value = key->values[index];
    if (name != nullptr) *name = value.name;
    if (type != nullptr) *type = value.type;
    if (data != nullptr) *data = value.data;
    return ErrorSuccess;
}

RegResult RegCloseKey(HKEY key) {
    if (key == nullptr) return ErrorInvalidHandle;
    std::unique_ptr<RegistryKey> owned(key);
    return key->writable ? Store(*key) : ErrorSuccess;
}

}  // namespace velinor
