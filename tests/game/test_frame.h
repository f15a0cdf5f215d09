// A main window for the game's tests: its table routes the stylus, the timer, the game's
// commands and the close request to the game's handlers, as the program's main window will.
#pragma once

#include <vector>

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
    // The bounds of the area each paint painted.
    std::vector<Rect> paints;

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
            OnMessage<WM_PAINT, &GameTestFrame::OnPaint>,
            OnMessage<WM_CLOSE, &GameTestFrame::OnClose>,
            OnCommand<MenuNewGame, &Route<OnNewGame>>,
            OnCommand<ToolNewGame, &Route<OnNewGame>>,
            OnCommand<MenuPause, &Route<OnPause>>,
            OnCommand<ToolPause, &Route<OnPause>>,
            OnCommand<MenuHint, &Route<OnHint>>,
            OnCommand<ToolHint, &Route<OnHint>>,
            OnCommand<MenuShowSolution, &Route<FinishGame>>,
            OnCommand<ToolShowSolution, &Route<FinishGame>>,
            OnCommand<MenuExit, &GameTestFrame::OnExit>,
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
    // Painting's one duty towards the game: the clock reading of a game in play.
    void OnPaint() {
        if (game.state.phase == Playing && game.state.introStart == 0)
            game.state.clockEnd = GetTickCount();
        CPaintDC dc(this);
        paints.push_back(dc.Context().DeviceClip());
    }
    void OnClose() {
        if (velinor::OnClose(game)) CFrameWnd::OnClose();
    }
    // Exit goes to the application, which asks the main window to close.
    void OnExit() { AfxGetApp()->OnAppExit(); }
};

}  // namespace velinor::test
