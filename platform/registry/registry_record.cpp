#include "platform/registry/registry_record.h"

#include <algorithm>
#include <charconv>

namespace velinor {
namespace {

constexpr std::string_view Header = "velinor-registry 1";
constexpr std::string_view End = "end";
constexpr char Digits[] = "0123456789abcdef";

// Names and classes are percent-encoded where a byte is not plain printable ASCII, and so are
// the separators: the text survives any storage that keeps strings.
void AppendText(std::string& out, std::string_view text) {
    for (char c : text) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte > 0x20 && byte < 0x7F && c != '%') {
            out += c;
        } else {
            out += '%';
            out += Digits[byte >> 4];
            out += Digits[byte & 0xF];
        }
    }
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint8_t> HexByte(char high, char low) {
    const int h = DigitValue(high);
    const int l = DigitValue(low);
    if (h < 0 || l < 0) return std::nullopt;
    return static_cast<uint8_t>(h << 4 | l);
}

std::optional<std::string> ReadText(std::string_view field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            text += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return std::nullopt;
        auto byte = HexByte(field[i + 1], field[i + 2]);
        if (!byte) return std::nullopt;
        text += static_cast<char>(*byte);
        i += 2;
    }
    return text;
}

std::optional<std::vector<uint8_t>> ReadHex(std::string_view field) {
    if (field.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> data;
    for (size_t i = 0; i < field.size(); i += 2) {
        auto byte = HexByte(field[i], field[i + 1]);
        if (!byte) return std::nullopt;
        data.push_back(*byte);
    }
    return data;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// One "key" or "value" line added to the record; false when it does not read as one.
bool ReadLine(std::string_view line, RegistryRecord& record) {
    const std::vector<std::string_view> fields = Split(line);
    if (fields[0] == "key" && fields.size() == 3) {
        auto path = ReadText(fields[1]);
        auto keyClass = ReadText(fields[2]);
        if (!path || !keyClass || FindKey(record, *path) != nullptr) return false;
        record.keys.push_back({*path, *keyClass, {}});
        return true;
    }
    if (fields[0] == "value" && fields.size() == 4 && !record.keys.empty()) {
        auto name = ReadText(fields[1]);
        auto data = ReadHex(fields[3]);
        uint32_t type = 0;
        const std::string_view number = fields[2];
        auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), type);
        std::vector<RegistryValue>& values = record.keys.back().values;
        if (!name || !data || error != std::errc() || end != number.data() + number.size() ||
            FindValue(values, *name) != nullptr)
            return false;
        values.push_back({*name, type, *data});
        return true;
    }
    return false;
}

}  // namespace

std::string EncodeRegistry(const RegistryRecord& record) {
    std::string out(Header);
    out += '\n';
    for (const RegistryKeyRecord& key : record.keys) {
        out += "key\t";
        AppendText(out, key.path);
        out += '\t';
        AppendText(out, key.keyClass);
        out += '\n';
        for (const RegistryValue& value : key.values) {
            out += "value\t";
            AppendText(out, value.name);
            out += '\t';
            out += std::to_string(value.type);
            out += '\t';
            for (uint8_t byte : value.data) {
                out += Digits[byte >> 4];
                out += Digits[byte & 0xF];
            }
            out += '\n';
        }
    }
    out += End;
    out += '\n';
    return out;
}

std::optional<RegistryRecord> DecodeRegistry(std::string_view text) {
    RegistryRecord record;
    bool header = false;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        if (newline == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (!header) {
            if (line != Header) return std::nullopt;
            header = true;
        } else if (line == End) {
            // Anything after the end line means the text is not ours.
            return text.empty() ? std::optional(record) : std::nullopt;
        } else if (!ReadLine(line, record)) {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no end line: cut short
}

RegistryKeyRecord* FindKey(RegistryRecord& record, std::string_view path) {
    auto it = std::find_if(record.keys.begin(), record.keys.end(),
                           [&](const RegistryKeyRecord& key) { return SameName(key.path, path); });
    return it != record.keys.end() ? &*it : nullptr;
}

RegistryValue* FindValue(std::vector<RegistryValue>& values, std::string_view name) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const RegistryValue& value) { return SameName(value.name, name); });
    return it != values.end() ? &*it : nullptr;
}

}  // namespace velinor
