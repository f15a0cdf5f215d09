// The program's state as one line of JSON, for velinor-script's dump.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/main_frame.h"

namespace velinor {

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view text);

// board, game (with the main window's timer: its period while it runs), settings and the menu.
std::string DumpState(MainFrame& frame, std::optional<uint32_t> timerPeriod);

}  // namespace velinor
