// velinor-intro-frames: the opening animation's screens for the steps f = 0 to 50 of one seeded
// run, side by side on one sheet, for a person to follow its course.
//
//   velinor-intro-frames OUT.png [SEED]
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/random/random.h"
#include "tests/render/frame_sheet.h"
#include "tests/render/paint_rig.h"

namespace velinor {
namespace {

constexpr int LastStep = 50;
constexpr int Columns = 9;
constexpr int Gap = 6;

int Run(const std::string& out, uint64_t seed) {
    test::FrameSheet sheet(LastStep + 1, Columns, {240, 294}, Gap);
    test::PaintRig run;
    run.StartWithIntro();
    SeedRandom(seed);
    run.driver.Wait(0);  // the set-up frame, at step 0
    for (int f = 0; f <= LastStep; ++f) {
        if (f > 0) run.driver.Wait(IntroTimerPeriod);
        sheet.Place(f, "f = " + std::to_string(f) + (f == 0 ? " (set-up)" : ""),
                    run.driver.Screen(), {0, CommandBarHeight, 240, CommandBarHeight + 294});
    }
    return sheet.Save(out, "velinor-intro-frames") ? 0 : 1;
}

}  // namespace
}  // namespace velinor

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: velinor-intro-frames OUT.png [SEED]\n";
        return 2;
    }
    char* end = nullptr;
    const uint64_t seed = argc == 3 ? std::strtoull(argv[2], &end, 10) : 1;
    if (argc == 3 && (end == argv[2] || *end != '\0')) {
        std::cerr << "velinor-intro-frames: the seed must be a whole number\n";
        return 2;
    }
    return velinor::Run(argv[1], seed);
}
