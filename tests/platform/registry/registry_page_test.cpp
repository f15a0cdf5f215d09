// The browser's registry: one text in the page's storage, read and written whole.
#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "platform/registry/registry_record.h"
#include "platform/registry/registry_storage.h"
#include "tests/platform/registry/fresh_store.h"
#include "tests/platform/registry/registry_calls.h"

namespace velinor {

// The page's storage: the text it holds, and whether it lets itself be read and written (storage
// turned off, storage full).
struct {
    std::optional<std::string> text;
    bool readable = true, writable = true;
} storage;

bool ReadRegistryText(std::optional<std::string>* text) {
    if (storage.readable) *text = storage.text;
    return storage.readable;
}

bool WriteRegistryText(const std::string& text) {
    if (storage.writable) storage.text = text;
    return storage.writable;
}

test::FreshStore::FreshStore() {
    storage = {};
}
test::FreshStore::~FreshStore() = default;
bool test::FreshStore::Exists() const {
    return storage.text.has_value();
}

namespace {

using namespace test;

// Odd bytes in names, an empty class, an empty value.
const RegistryRecord SampleRecord = {{
    {"Software", "", {}},
    {"Software\\QTX\\Velinor",
     "p q%",
     {{"besttime0", REG_DWORD, {0xA0, 0x86, 0x01, 0x00}}, {"n\t\né", REG_SZ, {}}}},
}};

TEST(PageRegistry, RecordIsPlainAsciiTextAndReadsBack) {
    const std::string text = EncodeRegistry(SampleRecord);
    // Worked out by hand.
    EXPECT_EQ(text,
              "velinor-registry 1\n"
              "key\tSoftware\t\n"
              "key\tSoftware\\QTX\\Velinor\tp%20q%25\n"
              "value\tbesttime0\t4\ta0860100\n"
              "value\tn%09%0a%c3%a9\t1\t\n"
              "end\n");
    EXPECT_EQ(DecodeRegistry(text), SampleRecord);
    // Upper-case digits, as a hand edit might leave them, read the same.
    EXPECT_EQ(DecodeRegistry("velinor-registry 1\nkey\tK%41\t\nvalue\tv\t4\tA0FF\nend\n"),
              (RegistryRecord{{{"KA", "", {{"v", REG_DWORD, {0xA0, 0xFF}}}}}}));
}

TEST(PageRegistry, TextThatIsNotARecordIsNeverReadNorOverwritten) {
    const char* junk[] = {
        "",
        "{\"language\": 1}",
        "velinor-registry 1\n",                                         // cut short: no end line
        "velinor-registry 1\nend",                                      // nor its line break
        "velinor-registry 2\nend\n",                                    // a layout we do not know
        "velinor-registry 1\r\nend\r\n",                                // line breaks changed
        "velinor-registry 1\nend\nmore\n",                              // something after the end
        "velinor-registry 1\nvalue\ta\t4\t01\nend\n",                   // a value before any key
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t4\t012\nend\n",        // half a byte
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t4\t0g\nend\n",         // not hex
        "velinor-registry 1\nkey\tK%4\t\nend\n",                        // a cut escape
        "velinor-registry 1\nkey\tK%g0\t\nend\n",                       // a wrong escape
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t-4\t01\nend\n",        // type not a number
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t4294967296\t\nend\n",  // type too large
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t\t01\nend\n",          // no type
        "velinor-registry 1\nkey\tK\t\nkey\tk\t\nend\n",                // one key twice
        "velinor-registry 1\nkey\tK\t\nvalue\ta\t4\t\nvalue\tA\t4\t\nend\n",  // one value twice
        "velinor-registry 1\nkey\tK\nend\n",                                  // a field missing
        "velinor-registry 1\nkey\tK\t\t\nend\n",                              // a field too many
        "velinor-registry 1\nvalues\tK\t\nend\n",                             // an unknown line
    };
    for (const char* text : junk) {
        SCOPED_TRACE(text);
        FreshStore store;
        storage.text = text;
        EXPECT_EQ(DecodeRegistry(text), std::nullopt);
        OpenKey(KeyPath, ErrorRegistryIoFailed);
        CreateKey(ErrorRegistryIoFailed);
        EXPECT_EQ(storage.text, text);
    }
}

TEST(PageRegistry, StorageThatRefusesLeavesWhatItHeld) {
    FreshStore store;
    const std::string sample = EncodeRegistry(SampleRecord);
    storage.text = sample;
    // Turned off: nothing can be read, so nothing is opened.
    storage.readable = false;
    OpenKey(KeyPath, ErrorRegistryIoFailed);
    CreateKey(ErrorRegistryIoFailed);

    // Full: a save fails as a whole and the old text stays.
    storage.readable = true;
    storage.writable = false;
    HKEY key = CreateKey();
    Set(key, {"besttime0", REG_DWORD, {1, 0, 0, 0}});
    EXPECT_EQ(RegCloseKey(key), ErrorRegistryIoFailed);
    EXPECT_EQ(storage.text, sample);
    EXPECT_EQ(ReadValues(KeyPath), (std::vector<StoredValue>{
                                       {"besttime0", REG_DWORD, {0xA0, 0x86, 0x01, 0x00}},
                                       {"n\t\né", REG_SZ, {}},
                                   }));
}

TEST(PageRegistry, SavesFromTwoTabsNeverMix) {
    FreshStore store;
    // Both tabs read the same store, then save whole records one after the other.
    HKEY first = CreateKey();
    HKEY second = CreateKey();
    std::vector<StoredValue> values;  // the first tab's, then one only the second tab writes
    for (const char* name : {"totalplay0", "totaltime0", "besttime0", "language"})
        values.push_back({name, REG_DWORD, {1, 0, 0, 0}});
    for (size_t i = 0; i < 3; ++i) {
        Set(first, values[i]);
        Set(second, {values[i].name, REG_DWORD, {2, 0, 0, 0}});
    }
    Set(second, values[3]);
    EXPECT_EQ(RegCloseKey(second), ErrorSuccess);
    EXPECT_EQ(RegCloseKey(first), ErrorSuccess);
    // The last save is there whole; the value only the other tab wrote is kept beside it.
    EXPECT_EQ(ReadValues(KeyPath), values);
}

}  // namespace
}  // namespace velinor
