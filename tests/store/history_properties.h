// What ParseHistory and AddTime must keep for any bytes a store can hold; shared by the fuzz
// target and by the test that replays its corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velinor::test {

// The input's first byte is the difficulty (a signed byte), the next four the time in
// milliseconds (little-endian), the rest the history's bytes: at most 500, and without a
// terminator when they fill the buffer. Returns what went wrong, empty when nothing did.
std::string CheckHistoryInput(const uint8_t* data, size_t size);

}  // namespace velinor::test
