#include "render/intro_schedule.h"

#include <algorithm>

#include "platform/random/random.h"

namespace velinor {

RingShape RingAt(uint32_t f) {
    const uint32_t s = 5 * f;
    if (s <= 10 || s >= 250) return {};
    const int size = static_cast<int>(s);
    if (size < 170) return {RingKind::Outline, size, 0, RingPointCount};
    const int cut = size <= 200 ? 0 : (size - 170) / 2;
    const int n = RingPointCount - 1 - 2 * cut;
    return {RingKind::Band, size, cut, 2 * n};
}

COLORREF RingPenColour(int s) {
    const int c = std::max((s - 100) * 2, 100);
    return RGB(15000 / c, 3000 / c, 19000 / c);
}

int SparkleHalfSide(uint32_t f) {
    if (f < 3) return 0;
    if (f == 3) return 30;
    if (f == 4) return MaxSparkleHalfSide;
    if (f <= 14) return static_cast<int>(17 - f) * 5;
    return static_cast<int>((Random() & 7) + 8);
}

}  // namespace velinor
