// velinor-frames: the main window's frame in each situation the tests paint, for a person to
// look at: one PNG per situation at 2x, and all of them on one sheet.
//
//   velinor-frames OUT_FOLDER
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png.h"
#include "tests/render/frame_sheet.h"
#include "tests/render/situations.h"

namespace velinor::test {
namespace {

constexpr int Scale = 2;
constexpr int Columns = 5;
// Between frames on the sheet, so that neighbouring status bands do not run together.
constexpr int Gap = 12;
constexpr Rect Client{0, 0, 240, 294};

int Run(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const int count = static_cast<int>(Situations().size());
    FrameSheet sheet(count, Columns, {Client.right * Scale, Client.bottom * Scale}, Gap);
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        PaintRig rig;
        const char* name = Situations()[i].name;
        PaintSituation(rig, name);
        Bitmap frame = CreateCompatibleBitmap(Client.right * Scale, Client.bottom * Scale);
        DC frameDc(&frame);
        StretchBlt(frameDc, 0, 0, frame.Width(), frame.Height(), rig.Window(), 0, 0, Client.right,
                   Client.bottom, Rop::SrcCopy);
        std::string error;
        if (!SavePng(frame, (folder / (std::string(name) + ".png")).string(), &error)) {
            std::cerr << "velinor-frames: " << error << "\n";
            ok = false;
        }
        sheet.Place(i, name, rig.Window(), Client);
    }
    return sheet.Save((folder / "all.png").string(), "velinor-frames") && ok ? 0 : 1;
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
