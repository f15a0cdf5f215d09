// Every SaveSettings call the program makes, seen by the test programs that link with
// -Wl,--wrap for it: what was saved, and what the store answered.
#pragma once

#include <cstdint>

#include "store/settings.h"

namespace velinor::test {

struct SaveWatch {
    uint64_t count = 0;
    Settings last{};
    int32_t result = 0;
};

SaveWatch& Saves();

}  // namespace velinor::test
