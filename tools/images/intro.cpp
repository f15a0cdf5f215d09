// The opening animation's sparkle and ground texture.
#include <algorithm>
#include <cmath>

#include "tools/images/art.h"
#include "tools/images/images.h"

namespace velinor::art {

Bitmap SparkleImage() {
    constexpr int Side = 70;
    Bitmap sparkle(Side, Side, 8,
                   Ramp(256, {RGB(0, 0, 0), RGB(0, 8, 70), RGB(20, 70, 210), RGB(120, 180, 255),
                              RGB(230, 240, 255), RGB(255, 255, 255)}));
    const double c = (Side - 1) / 2.0;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const double dx = x - c, dy = y - c, r = std::hypot(dx, dy);
            // A hot core, a soft halo, four long rays and four short diagonal ones.
            double v = std::exp(-(r * r) / 18.0) + 0.35 * std::exp(-(r * r) / 200.0);
            v += std::exp(-dy * dy / 1.1) * std::exp(-std::fabs(dx) / 11.0) * 0.9;
            v += std::exp(-dx * dx / 1.1) * std::exp(-std::fabs(dy) / 11.0) * 0.9;
            const double u = (dx + dy) / std::sqrt(2.0), w = (dx - dy) / std::sqrt(2.0);
            v += std::exp(-u * u / 0.9) * std::exp(-std::fabs(w) / 5.0) * 0.45;
            v += std::exp(-w * w / 0.9) * std::exp(-std::fabs(u) / 5.0) * 0.45;
            // Fades to pure black before the edge, so an OR onto the scene leaves no frame.
            const double fade = std::clamp((c - 1.0 - r) / 12.0, 0.0, 1.0);
            const double value = std::clamp(v * fade, 0.0, 1.0);
            sparkle.SetValue(x, y, static_cast<uint32_t>(std::lround(std::pow(value, 0.8) * 255)));
        }
    return sparkle;
}

Bitmap GroundTexture() {
    constexpr int Width = 240, Height = 100;
    std::vector<COLORREF> palette = {RGB(0, 0, 0)};
    for (COLORREF c :
         Ramp(15, {RGB(34, 8, 52), RGB(92, 36, 128), RGB(160, 96, 200), RGB(226, 180, 250)}))
        palette.push_back(c);
    Bitmap ground(Width, Height, 4, palette);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            // Ripples running across, bent by slow swells; both repeat with the tile.
            const double swell = 5.0 * std::sin(2 * M_PI * x / 120.0) +
                                 3.0 * std::sin(2 * M_PI * (x / 80.0 + y / 50.0));
            const double phase = 2 * M_PI * (y + swell) / 10.0;
            const double ripple = 0.5 + 0.5 * std::sin(phase);
            const double crest = std::pow(ripple, 3.0);
            const double grain = TileNoise(x, y, Height, 11, 3);
            double v = 0.25 + 0.55 * ripple + 0.25 * crest + 0.25 * (grain - 0.5);
            // The upper left corner lies in darkness, with a ragged edge.
            const double dark = (x / 110.0 + y / 45.0) + 0.35 * (grain - 0.5);
            if (dark < 1.0)
                v = 0;
            else if (dark < 1.25)
                v *= (dark - 1.0) / 0.25;
            const int index = static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 15));
            ground.SetValue(x, y, static_cast<uint32_t>(index));
        }
    return ground;
}

}  // namespace velinor::art
