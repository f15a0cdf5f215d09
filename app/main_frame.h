// The main window: the command bar, the game's records, and the table that routes the stylus,
// the paints, the timer and the commands to the game's handlers.
#pragma once

#include <cstdint>

#include "core/board.h"
#include "game/game_context.h"
#include "game/game_state.h"
#include "platform/window/command_bar.h"
#include "platform/window/frame.h"
#include "render/intro.h"
#include "render/offscreen.h"
#include "store/settings.h"

namespace velinor {

class MainFrame : public CFrameWnd {
  public:
    // Makes the window and its command bar, loads the settings, starts the first game and the
    // opening animation. The offscreen buffer is made later, once the window shows.
    MainFrame();

    // The program's one instance of each record, for the whole run.
    Board board;
    GameState state;
    Settings settings;
    OffscreenBuffer offscreen;
    IntroScene introScene;
    GameContext context{board, state, settings, *this};
    CCommandBar commandBar;

  protected:
    const MessageMap* GetMessageMap() const override;

  private:
    // A table entry for a handler that needs only the game's context (and the stylus position).
    template <auto Handler, class... Position>
    static void Route(MainFrame& frame, Position... position) {
        Handler(frame.context, position...);
    }

    void OnPaint();
    void OnClose();
    void OnTimer(uint32_t id);
};

}  // namespace velinor
