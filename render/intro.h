// The opening animation: stars, an expanding ring, a sparkle and the title.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "game/game_context.h"
#include "render/intro_projection.h"
#include "render/intro_schedule.h"
#include "render/offscreen.h"

namespace velinor {

constexpr int StarCount = 100;

struct Star {
    int32_t x = 0;
    int32_t y = 0;
    uint16_t brightness = 0;  // 0 to 255
};

// Tables made on the set-up frame and kept for the rest of the animation.
struct IntroScene {
    std::array<Star, StarCount> Stars{};
    RingPoints RingTable{};
    double depthScale = 0;
};

// One frame of the animation, drawn into the buffer and copied to the window.
void PaintIntroFrame(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context);

// The ring on the screen: the outline's outer points, or the band's polygon of outer points
// A_cut onwards and inner ones back from B_(89 - cut) to B_(cut + 1). Written into `path`.
using RingPath = std::array<Point, 2 * (RingPointCount - 1)>;
std::span<const Point> ProjectRing(const IntroScene& scene, const RingShape& ring, RingPath& path);

// The steps of an animation frame, in the order the frame takes them after its title.
void PaintStars(DC& dc, const IntroScene& scene);
void PaintRing(DC& dc, const IntroScene& scene, const RingShape& ring);
void PaintSparkle(DC& dc, int halfSide);
void CopyToWindow(OffscreenBuffer& offscreen, CWnd& window);

}  // namespace velinor
