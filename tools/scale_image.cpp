// velinor-scale-image IN.png FACTOR OUT.png: every pixel becomes a FACTOR x FACTOR block, with
// no smoothing, the depth and palette kept (the installed icons at 64, 128 and 256 pixels).
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/gdi/png.h"

int main(int argc, char** argv) {
    using namespace velinor;
    const int factor = argc == 4 ? std::atoi(argv[2]) : 0;
    if (factor < 1 || factor > 64) {
        std::fputs("Usage: velinor-scale-image IN.png FACTOR OUT.png (FACTOR 1 to 64)\n", stderr);
        return 2;
    }
    std::string error;
    std::optional<Bitmap> in = LoadPng(argv[1], &error);
    if (!in) {
        std::fprintf(stderr, "velinor-scale-image: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const int depth = in->HasPalette() ? in->BitsPerPixel() : 24;
    Bitmap out(in->Width() * factor, in->Height() * factor, depth, in->Palette());
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x)
            out.SetValue(x, y, in->Value(x / factor, y / factor));
    }
    if (!SavePng(out, argv[3], &error)) {
        std::fprintf(stderr, "velinor-scale-image: %s: %s\n", argv[3], error.c_str());
        return 1;
    }
    return 0;
}
