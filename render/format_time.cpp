#include "render/format_time.h"

#include <charconv>

namespace velinor {

// Written by hand rather than by printf: the clock is formatted on every paint.
int FormatTime(char (&text)[TimeTextSize], uint32_t ms) {
    const unsigned s = ms / 1000;
    char* out = text;
    const auto put = [&](unsigned value, char unit) {
        out = std::to_chars(out, text + TimeTextSize, value).ptr;
        *out++ = unit;
    };
    if (s >= 3600) put(s / 3600, 'h');
    if (s >= 60) put(s % 3600 / 60, '\'');
    put(s % 60, '"');
    *out++ = static_cast<char>('0' + ms % 1000 / 100);
    *out = '\0';
    return static_cast<int>(out - text);
}

}  // namespace velinor
