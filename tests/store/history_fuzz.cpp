// libFuzzer target: any bytes as a stored history, a time and a difficulty.
#include <cstdio>
#include <cstdlib>

#include "tests/store/history_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string failure = velinor::test::CheckHistoryInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
