#include "render/format_time.h"

#include <cstdio>

namespace velinor {

int FormatTime(char (&text)[TimeTextSize], uint32_t ms) {
    const unsigned s = ms / 1000;
    const unsigned t = (ms % 1000) / 100;
    if (s < 60) return std::snprintf(text, sizeof text, "%u\"%01u", s, t);
    if (s < 3600) return std::snprintf(text, sizeof text, "%u'%u\"%01u", s / 60, s % 60, t);
    return std::snprintf(text, sizeof text, "%uh%u'%u\"%01u", s / 3600, (s % 3600) / 60,
                         (s % 3600) % 60, t);
}

}  // namespace velinor
