// A main window for tests that paint by themselves: its table routes the stylus and the timer to
// the game's handlers, as the program's main window does.
#pragma once

#include "game/clock.h"
#include "game/commands.h"
#include "game/finish.h"
#include "game/hint.h"
#include "game/new_game.h"
#include "game/stylus.h"
#include "platform/window/app.h"
#include "platform/window/frame.h"
#include "platform/window/window_system.h"

namespace velinor::test {

class GameTestFrame : public CFrameWnd {
  public:
    GameTestFrame(Board& board, GameState& state, Settings& settings)
        : game{board, state, settings, *this} {
        LoadFrame(128);
    }

    GameContext game;

    // The opening animation as start-up begins it.
    void StartIntro() {
        game.state.introFrame = 0;
        game.state.introStart = GetTickCount();
        game.state.timerId = SetTimer(MainTimerId, IntroTimerPeriod);
    }

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnMessage<WM_LBUTTONDOWN, &Route<OnLButtonDown, int, int>>,
            OnMessage<WM_MOUSEMOVE, &Route<OnMouseMove, int, int>>,
            OnMessage<WM_LBUTTONDBLCLK, &Route<OnLButtonDblClk, int, int>>,
            OnMessage<WM_LBUTTONUP, &Route<OnLButtonUp>>,
            OnMessage<WM_TIMER, &GameTestFrame::OnTimer>,
        };
        static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
        return &map;
    }

  private:
    // A table entry for a game handler that needs only the frame's game.
    template <auto Handler, class... Position>
    static void Route(GameTestFrame& frame, Position... position) {
        Handler(frame.game, position...);
    }

    void OnTimer(uint32_t id) {
        velinor::OnTimer(game);
        CWnd::OnTimer(id);
    }
};

}  // namespace velinor::test
