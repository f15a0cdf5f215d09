// velinor-frames: the main window's frame in each situation the tests paint, for a person to
// look at: one PNG per situation at 2x, and all of them on one sheet.
//
//   velinor-frames OUT_FOLDER
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png.h"
#include "tests/render/situations.h"

namespace velinor::test {
namespace {

constexpr int Scale = 2;
constexpr int Columns = 5;
constexpr int Caption = 16;
// Between frames on the sheet, so that neighbouring status bands do not run together.
constexpr int Gap = 12;

bool Save(const Bitmap& image, const std::filesystem::path& path) {
    std::string error;
    if (SavePng(image, path.string(), &error)) return true;
    std::cerr << "velinor-frames: " << error << "\n";
    return false;
}

int Run(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const int count = static_cast<int>(Situations().size());
    const int width = 240 * Scale + Gap, height = 294 * Scale + Caption + Gap;
    Bitmap sheet =
        CreateCompatibleBitmap(Columns * width, (count + Columns - 1) / Columns * height);
    DC sheetDc(&sheet);
    FillRect(sheetDc, sheet.Bounds(), CreateSolidBrush(RGB(40, 40, 48)));
    sheetDc.SetBkMode(BkMode::Transparent);
    sheetDc.SetTextColor(RGB(220, 220, 220));
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        PaintRig rig;
        const char* name = Situations()[i].name;
        PaintSituation(rig, name);
        Bitmap frame = CreateCompatibleBitmap(240 * Scale, 294 * Scale);
        DC frameDc(&frame);
        StretchBlt(frameDc, 0, 0, frame.Width(), frame.Height(), rig.Window(), 0, 0, 240, 294,
                   Rop::SrcCopy);
        ok = Save(frame, folder / (std::string(name) + ".png")) && ok;
        const int left = i % Columns * width, top = i / Columns * height;
        DrawText(sheetDc, name, {left + 4, top + 1, left + width, top + Caption}, TextLeft);
        BitBlt(sheetDc, left, top + Caption, frame.Width(), frame.Height(), frame, 0, 0,
               Rop::SrcCopy);
    }
    ok = Save(sheet, folder / "all.png") && ok;
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace velinor::test

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velinor-frames OUT_FOLDER\n";
        return 2;
    }
    return velinor::test::Run(argv[1]);
}
