#include "render/intro_projection.h"

#include <cmath>

#include "game/game_state.h"

namespace velinor {
namespace {

// Cosine and sine of the 15-degree tilt, to three places.
constexpr double TiltCos = 0.966;
constexpr double TiltSin = 0.259;

// 3.1415 / 90: taken twice per point, 4 degrees between points.
constexpr double RingStep = 0.03490555555555556;
constexpr double RingRadiusX = 700.0;
constexpr double RingRadiusY = -100.0;

// From the horizon down to the bottom of the animation's area.
constexpr int GroundHeight = AnimRect.bottom - IntroHorizon.y;

}  // namespace

RingPoints MakeRingTable() {
    RingPoints table;
    for (int i = 0; i < RingPointCount; ++i) {
        const double a = 2 * i * RingStep;
        table[i] = {std::sin(a) * RingRadiusX, std::cos(a) * RingRadiusY};
    }
    return table;
}

Point ScaleRingPoint(const RingPoint& point, int s) {
    return {static_cast<int>(point.x * s), static_cast<int>(point.y * s)};
}

double DepthScale() {
    const int q = (GroundHeight * 100) / (IntroCentre.y - IntroHorizon.y);
    return NearLimit / (q - 100.0);
}

Point ProjectRingPoint(Point point, double depthScale) {
    int py = NearLimit;
    if (point.y < NearLimit) {
        const int depth = static_cast<int>((NearLimit - point.y) / depthScale);
        py = IntroHorizon.y + (GroundHeight * 100) / (depth + 100);
    }
    const int t = (point.x * 120) / LateralDivisor;
    const int w = ((IntroCentre.x + t - IntroHorizon.x) * (AnimRect.bottom - py)) / GroundHeight;
    const int dx = (IntroCentre.x + t - w) - IntroCentre.x;
    const int dy = py - IntroCentre.y;
    return {IntroCentre.x - static_cast<int>(TiltSin * dy - TiltCos * dx),
            IntroCentre.y - static_cast<int>(TiltSin * dx - TiltCos * dy)};
}

}  // namespace velinor
