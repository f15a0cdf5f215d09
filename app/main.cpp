// velinor: the game in a window.
#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/game_app.h"
#include "platform/random/random.h"
#include "platform/sdl/sdl.h"
#include "ui/about.h"

namespace {

// The application object exists before the program's entry point runs, as the platform's did.
velinor::GameApp application;

}  // namespace

int main(int argc, char** argv) {
    using namespace velinor;
    const CommandLine line = ParseCommandLine({argv + 1, argv + argc});
    switch (line.action) {
        case CommandLine::Help:
            std::fputs(UsageText, stdout);
            return 0;
        case CommandLine::Version:
            std::printf("velinor %s\n", ProgramVersionText().c_str());
            return 0;
        case CommandLine::Usage:
            std::fprintf(stderr, "velinor: %s\n%s", line.error.c_str(), UsageText);
            return 2;
        case CommandLine::Play:
            break;
    }
    SeedRandomFromClock();
    SdlBackend backend(line.scale);
    if (!backend.Ok()) {
        std::string why = backend.Error();
        why = why.substr(0, why.find('\n'));
        std::fprintf(stderr, "velinor: cannot open the game's window: %s\n", why.c_str());
        return 1;
    }
    return backend.Run(application);
}
