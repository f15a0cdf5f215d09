// The cell tiles: purple stone, lit from the top left, with grooves cut along the lines.
//
// Every pixel is shaded from a height field: a raised stone face with bevelled edges, minus
// the grooves. A groove's profile depends only on the distance to its centre line, which runs
// on past the tile's edge, and the stone's grain repeats every 20 pixels; so grooves of
// neighbouring cells meet without a seam.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/images/art.h"
#include "tools/images/images.h"

namespace velinor::art {
namespace {

constexpr int Side = 20;
constexpr double Centre = 10.0;  // the strokes are drawn on columns and rows 9 and 10

// Arms of each tile: up, right, down, left.
constexpr bool Arms[7][4] = {
    {false, false, false, false}, {true, false, true, false}, {false, true, false, true},
    {true, true, false, false},   {true, false, false, true}, {false, false, true, true},
    {false, true, true, false},
};

double ArmDistance(int tile, double x, double y) {
    double best = 1e9;
    // Each arm is a half-plane test, so its straight profile runs on past the tile's edge.
    if (Arms[tile][0] && y <= Centre) best = std::min(best, std::fabs(x - Centre));
    if (Arms[tile][2] && y >= Centre) best = std::min(best, std::fabs(x - Centre));
    if (Arms[tile][1] && x >= Centre) best = std::min(best, std::fabs(y - Centre));
    if (Arms[tile][3] && x <= Centre) best = std::min(best, std::fabs(y - Centre));
    // Round joint at the centre where the groove turns.
    const double joint = std::hypot(x - Centre, y - Centre);
    bool any = false;
    for (bool a : Arms[tile])
        any = any || a;
    if (any) best = std::min(best, joint);
    return best;
}

// 1 on the groove's floor, 0 on the stone, a slope in between.
double GrooveDepth(double d) {
    if (d <= 1.05) return 1.0;
    if (d >= 2.3) return 0.0;
    return (2.3 - d) / 1.25;
}

double Height(int tile, double x, double y) {
    const double d = ArmDistance(tile, x, y);
    const double edge = std::min({x, Side - x, y, Side - y});
    const double keepBevel = std::clamp((d - 2.6) / 1.5, 0.0, 1.0);
    const double bevel = edge < 1.3 ? (1.3 - edge) * 0.8 * keepBevel : 0.0;
    const double grain = TileNoise(x, y, Side, 7, 4) * 0.7;
    return grain - bevel - 2.2 * GrooveDepth(d);
}

}  // namespace

Bitmap CellTiles() {
    Bitmap tiles(7 * Side, Side, 8,
                 Ramp(256, {RGB(18, 6, 30), RGB(70, 36, 96), RGB(140, 98, 170), RGB(196, 162, 220),
                            RGB(240, 226, 250)}));
    for (int tile = 0; tile < 7; ++tile)
        for (int py = 0; py < Side; ++py)
            for (int px = 0; px < Side; ++px) {
                const double x = px + 0.5, y = py + 0.5, h = 0.5;
                const double dx = (Height(tile, x + h, y) - Height(tile, x - h, y)) / (2 * h);
                const double dy = (Height(tile, x, y + h) - Height(tile, x, y - h)) / (2 * h);
                // Light from the top left and above; the normal is (-dx, -dy, 1).
                const double lx = -0.55, ly = -0.55, lz = 0.63;
                const double lambert =
                    std::max(0.0, (-dx * lx - dy * ly + lz) / std::sqrt(dx * dx + dy * dy + 1));
                const double d = ArmDistance(tile, x, y);
                const double floor = GrooveDepth(d);
                const double albedo =
                    (0.72 + 0.4 * TileNoise(x, y, Side, 31, 4)) * (1 - 0.62 * floor);
                const double value = std::clamp(lambert * albedo * 1.05, 0.0, 1.0);
                tiles.SetValue(tile * Side + px, py,
                               static_cast<uint32_t>(std::lround(value * 255)));
            }
    return tiles;
}

}  // namespace velinor::art
