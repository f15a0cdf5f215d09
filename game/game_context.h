// What every game handler works on: the program's records and its main window.
#pragma once

#include <cstdint>

#include "core/board.h"
#include "game/game_state.h"
#include "platform/window/window.h"
#include "store/settings.h"

namespace velinor {

struct GameContext {
    Board& board;
    GameState& state;
    Settings& settings;
    // For timers, repaint requests and message boxes.
    CWnd& window;
};

// The English text for language 0, the French one for any other value.
constexpr const char* Localized(int32_t language, const char* english, const char* french) {
    return language == 0 ? english : french;
}

// Handlers never draw: they ask for the whole client area to be painted, without erasing.
inline void RequestRepaint(CWnd& window) {
    window.InvalidateRect(nullptr, false);
}

}  // namespace velinor
