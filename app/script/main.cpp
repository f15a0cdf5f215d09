// velinor-script [SCRIPT]: the whole program on the headless back end, driven by a script read
// from the file or from standard input.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "app/game_app.h"
#include "app/script/fresh_store.h"
#include "app/script/script_runner.h"

namespace {

// The application object exists before the program's entry point runs, as the platform's did.
velinor::GameApp application;

constexpr const char* Usage =
    "Usage: velinor-script [SCRIPT]\n"
    "Runs Velinor without a window, driven by the script's lines (standard input without "
    "SCRIPT).\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace velinor;
    if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
        const bool help = argc == 2 && (std::strcmp(argv[1], "--help") == 0);
        std::fputs(Usage, help ? stdout : stderr);
        return help ? 0 : ScriptFailed;
    }
    std::ifstream file;
    if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
        file.open(argv[1]);
        if (!file) {
            std::fprintf(stderr, "velinor-script: cannot read %s: %s\n", argv[1],
                         std::strerror(errno));
            return ScriptFailed;
        }
    }
    FreshStore store;
    if (!store.Ok()) {
        std::fprintf(stderr, "velinor-script: %s\n", store.Error().c_str());
        return ScriptFailed;
    }
    ScriptRunner runner(application, file.is_open() ? file : std::cin, std::cout, std::cerr);
    return runner.Run();
}
