#include "tools/images/art.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace velinor::art {

void Paint(Bitmap& target, int left, int top, std::initializer_list<const char*> rows,
           const std::map<char, uint32_t>& inks) {
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            auto ink = inks.find(row[x]);
            if (ink != inks.end()) target.SetValue(left + x, y, ink->second);
        }
        ++y;
    }
}

void PaintSet(Bitmap& target, int left, int top, std::initializer_list<const char*> rows) {
    Paint(target, left, top, rows, {{'#', 1}});
}

Rect InkBox(const Bitmap& image) {
    Rect box{image.Width(), image.Height(), 0, 0};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Row(y)[x] != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box.IsEmpty() ? Rect{} : box;
}

void PasteCentred(Bitmap& target, const Rect& area, const Bitmap& ink) {
    const Rect box = InkBox(ink);
    const int left = area.left + (area.Width() - box.Width()) / 2;
    const int top = area.top + (area.Height() - box.Height()) / 2;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (ink.Row(y)[x] != 0)
                target.SetValue(left + x - box.left, top + y - box.top, ink.Row(y)[x]);
}

Bitmap Crop(const Bitmap& image, const Rect& area) {
    Bitmap out(area.Width(), area.Height(), image.BitsPerPixel(), image.Palette());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.SetValue(x, y, image.Value(area.left + x, area.top + y));
    return out;
}

namespace {

double Lattice(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u ^ static_cast<uint32_t>(x) * 0x85EBCA77u ^
                 static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

double WrappedNoise(double x, double y, int cells, uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = Smooth(x - x0), fy = Smooth(y - y0);
    auto at = [&](int i, int j) {
        return Lattice(((i % cells) + cells) % cells, ((j % cells) + cells) % cells, seed);
    };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

}  // namespace

double Noise(double x, double y, uint32_t seed) {
    return WrappedNoise(x, y, 1 << 20, seed);
}

double TileNoise(double x, double y, int period, uint32_t seed, int octaves) {
    double sum = 0, weight = 0, amplitude = 1;
    int cells = 4;
    for (int o = 0; o < octaves; ++o) {
        const double scale = double(cells) / period;
        sum += amplitude * WrappedNoise(x * scale, y * scale, cells, seed + o);
        weight += amplitude;
        amplitude *= 0.5;
        cells *= 2;
    }
    return sum / weight;
}

std::vector<COLORREF> Ramp(int entries, std::initializer_list<COLORREF> stops) {
    const std::vector<COLORREF> s(stops);
    std::vector<COLORREF> out;
    for (int i = 0; i < entries; ++i) {
        const double t = entries == 1 ? 0 : double(i) / (entries - 1) * (s.size() - 1);
        const size_t k = std::min(static_cast<size_t>(t), s.size() - 2);
        const double f = t - k;
        auto mix = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * f)); };
        out.push_back(RGB(mix(GetRValue(s[k]), GetRValue(s[k + 1])),
                          mix(GetGValue(s[k]), GetGValue(s[k + 1])),
                          mix(GetBValue(s[k]), GetBValue(s[k + 1]))));
    }
    return out;
}

}  // namespace velinor::art
