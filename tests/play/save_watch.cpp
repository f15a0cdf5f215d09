#include "tests/play/save_watch.h"

namespace velinor::test {

SaveWatch& Saves() {
    static SaveWatch watch;
    return watch;
}

}  // namespace velinor::test

// The linker sends the program's calls of velinor::SaveSettings here (--wrap); the real one
// runs as before.
extern "C" int32_t __real__ZN7velinor12SaveSettingsERKNS_8SettingsE(const velinor::Settings&);

extern "C" int32_t __wrap__ZN7velinor12SaveSettingsERKNS_8SettingsE(
    const velinor::Settings& settings) {
    velinor::test::SaveWatch& watch = velinor::test::Saves();
    watch.result = __real__ZN7velinor12SaveSettingsERKNS_8SettingsE(settings);
    watch.last = settings;
    ++watch.count;
    return watch.result;
}
