// The opening animation's ring on the ground plane, seen in perspective and tilted by 15 degrees.
#pragma once

#include <array>

#include "platform/types/geometry.h"

namespace velinor {

// Centre of the sparkle and of the ring's tilt, and a point on the horizon line.
constexpr Point IntroCentre{85, 114};
constexpr Point IntroHorizon{85, 110};
// Divides the ring's x before the perspective.
constexpr int LateralDivisor = 20000;
// The ring depth at which a point reaches the viewer; such points land at this screen y.
constexpr int NearLimit = 20000;

// One point of the ring at size 1, on the ground plane: x across, y in depth.
struct RingPoint {
    double x = 0;
    double y = 0;
};

constexpr int RingPointCount = 90;
using RingPoints = std::array<RingPoint, RingPointCount>;

// The ring at size 1: an ellipse 700 across and 100 deep, its points 4 degrees apart.
RingPoints MakeRingTable();

// The ring point at size s, each coordinate truncated toward zero.
Point ScaleRingPoint(const RingPoint& point, int s);

// How far one step of depth carries a point towards the viewer: 20000 / 1650.
double DepthScale();

// The screen point of a scaled ring point; integer divisions truncate toward zero.
Point ProjectRingPoint(Point point, double depthScale);

}  // namespace velinor
