// libFuzzer target: any bytes as a velinor-script script.
#include <cstdio>
#include <cstdlib>

#include "tests/app/script_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string failure = velinor::test::CheckScriptInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
