// velinor-intro-frames: the opening animation's screens for the steps f = 0 to 50 of one seeded
// run, side by side on one sheet, for a person to follow its course.
//
//   velinor-intro-frames OUT.png [SEED]
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png.h"
#include "platform/random/random.h"
#include "tests/render/paint_rig.h"

namespace velinor {
namespace {

constexpr int LastStep = 50;
constexpr int Columns = 9;
constexpr int Gap = 6;
constexpr int LabelHeight = 16;
constexpr int ClientWidth = 240;
constexpr int ClientHeight = 294;
constexpr COLORREF Backdrop = RGB(40, 40, 48);
constexpr COLORREF Label = RGB(220, 220, 220);

int Run(const std::string& out, uint64_t seed) {
    constexpr int Rows = (LastStep + Columns) / Columns;
    constexpr int CellWidth = ClientWidth + Gap;
    constexpr int CellHeight = LabelHeight + ClientHeight + Gap;
    Bitmap sheet = CreateCompatibleBitmap(Gap + Columns * CellWidth, Gap + Rows * CellHeight);
    DC dc(&sheet);
    FillRect(dc, sheet.Bounds(), CreateSolidBrush(Backdrop));
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextColor(Label);

    test::PaintRig run;
    run.StartWithIntro();
    SeedRandom(seed);
    run.driver.Wait(0);  // the set-up frame, at step 0
    for (int f = 0; f <= LastStep; ++f) {
        if (f > 0) run.driver.Wait(IntroTimerPeriod);
        const int left = Gap + (f % Columns) * CellWidth;
        const int top = Gap + (f / Columns) * CellHeight;
        const std::string label = "f = " + std::to_string(f) + (f == 0 ? " (set-up)" : "");
        DrawText(dc, label, {left, top, left + ClientWidth, top + LabelHeight}, TextLeft);
        BitBlt(dc, left, top + LabelHeight, ClientWidth, ClientHeight, run.driver.Screen(), 0,
               CommandBarHeight, Rop::SrcCopy);
    }
    std::string error;
    if (!SavePng(sheet, out, &error)) {
        std::cerr << "velinor-intro-frames: " << error << "\n";
        return 1;
    }
    return 0;
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
