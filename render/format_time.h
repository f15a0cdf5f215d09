// The time text shown for a count of milliseconds: 59"9, 1'5"3, 1h0'0"0.
#pragma once

#include <cstdint>

namespace velinor {

// The longest text, for 4294967295 ms, has 11 characters; one more for the terminator.
constexpr int TimeTextSize = 12;

// Writes the text and returns the number of characters written.
int FormatTime(char (&text)[TimeTextSize], uint32_t ms);

}  // namespace velinor
