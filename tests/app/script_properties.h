// What velinor-script must do with any text as its script; shared by the fuzz target and by the
// test that replays its corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velinor::test {

// Runs the bytes as a script on a fresh program and store, from the random source's first state,
// with shots kept in memory. It must end with status 0 and nothing on the error stream, or with
// status 2 and one line "line N: reason" naming one of the script's lines. Returns what went
// wrong, empty when nothing did.
std::string CheckScriptInput(const uint8_t* data, size_t size);

}  // namespace velinor::test
