// velinor-make-images: draws every image of the program into app/res as indexed PNGs.
//
//   velinor-make-images RES_DIR
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gdi/png.h"
#include "tools/images/images.h"

int main(int argc, char** argv) {
    using namespace velinor;
    if (argc != 2) {
        std::cerr << "usage: velinor-make-images RES_DIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    std::string error;
    struct Output {
        const char* name;
        std::function<Bitmap()> draw;
    };
    const std::vector<Output> outputs = {
        {"bitmap-128-toolbar.png", [] { return art::ToolbarImage(); }},
        {"icon-128-32.png", [] { return art::AppIcon(32); }},
        {"icon-128-16.png", [] { return art::AppIcon(16); }},
        {"bitmap-137-glyph-strip.png", [&] { return art::GlyphStrip(&error); }},
        {"bitmap-144-cell-tiles.png", [] { return art::CellTiles(); }},
        {"bitmap-114-perfect-banner.png", [&] { return art::PerfectBanner(&error); }},
        {"bitmap-115-accepted-banner.png", [&] { return art::AcceptedBanner(&error); }},
        {"bitmap-147-pause-banner.png", [&] { return art::PauseBanner(&error); }},
        {"bitmap-118-credit-banner.png", [&] { return art::CreditBanner(&error); }},
        {"bitmap-134-title.png", [&] { return art::TitleImage(&error); }},
        {"bitmap-119-sparkle.png", [] { return art::SparkleImage(); }},
        {"bitmap-120-ground.png", [] { return art::GroundTexture(); }},
    };
    for (const Output& o : outputs) {
        const Bitmap image = o.draw();
        if (!error.empty()) {
            std::cerr << "velinor-make-images: " << o.name << ": " << error << "\n";
            return 1;
        }
        if (!SavePng(image, dir + "/" + o.name, &error)) {
            std::cerr << "velinor-make-images: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
