// What the opening animation shows at each 60 ms step f since its start.
#pragma once

#include <cstdint>

#include "platform/types/colour.h"
#include "render/intro_projection.h"

namespace velinor {

// The title is due at this step and drawn on the frame after it.
constexpr uint32_t TitleStep = 42;

// The inner edge of the band lies this much smaller than the outer one.
constexpr int BandWidth = 6;
constexpr int MaxSparkleHalfSide = 60;

enum class RingKind { None, Outline, Band };

struct RingShape {
    RingKind kind = RingKind::None;
    int s = 0;  // the ring's size, 5 per step
    // Outer points left out at each end of the band.
    int cut = 0;
    // Points of the outline's polyline or of the band's polygon.
    int pointCount = 0;
};

RingShape RingAt(uint32_t f);

// The ring's pen darkens once it has grown past 150.
COLORREF RingPenColour(int s);

// Half the side of the sparkle's square, 0 for none; from step 15 a fresh random 8 to 15.
int SparkleHalfSide(uint32_t f);

}  // namespace velinor
