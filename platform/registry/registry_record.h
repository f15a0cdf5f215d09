// The whole registry as one text, for a store that keeps a single string (the browser's page
// storage): every save writes the whole text at once, so it lands entirely or not at all.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velinor {

struct RegistryValue {
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct RegistryKeyRecord {
    std::string path;
    std::string keyClass;
    std::vector<RegistryValue> values;  // in the order they were first written
    friend bool operator==(const RegistryKeyRecord&, const RegistryKeyRecord&) = default;
};

struct RegistryRecord {
    std::vector<RegistryKeyRecord> keys;
    friend bool operator==(const RegistryRecord&, const RegistryRecord&) = default;
};

// Plain ASCII: a header line, a line per key followed by a line per value, an end line.
std::string EncodeRegistry(const RegistryRecord& record);
// Nothing when the text is not such a record (another program's, hand-edited, cut short).
std::optional<RegistryRecord> DecodeRegistry(std::string_view text);

// Names are found whatever their case, as on the handheld. Null when there is none.
RegistryKeyRecord* FindKey(RegistryRecord& record, std::string_view path);
RegistryValue* FindValue(std::vector<RegistryValue>& values, std::string_view name);

}  // namespace velinor
