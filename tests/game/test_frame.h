// A main window for the game's tests: its table routes the stylus, the timer, the game's
// commands and the close request to the game's handlers, as the program's main window will.
#pragma once

#include <vector>

#include "game/game_context.h"
#include "platform/window/app.h"
#include "platform/window/frame.h"

namespace velinor::test {

class GameTestFrame : public CFrameWnd {
  public:
    GameTestFrame(Board& board, GameState& state, Settings& settings);

    GameContext game;
    // What each paint found: the redraw mode, and the bounds of the area it painted.
    struct Paint {
        RedrawMode mode;
        Rect area;
    };
    std::vector<Paint> paints;
    std::vector<RedrawMode> PaintModes() const;
    // Paints only validate: for runs of many events that look at no pixels.
    bool validateOnly = false;

    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnLButtonUp();
    void OnTimer(uint32_t id);
    void OnPaint();
    void OnNewGame();
    void OnPause();
    void OnHint();
    void OnShowSolution();
    void OnClose();

    // The opening animation as start-up begins it.
    void StartIntro();

  protected:
    const MessageMap* GetMessageMap() const override;
};

// Makes the frame its main window, shows it and starts the first game, as start-up does.
class GameTestApp : public CWinApp {
  public:
    GameTestApp(Board& board, GameState& state, Settings& settings)
        : board_(board), state_(state), settings_(settings) {}
    bool InitInstance() override;
    GameTestFrame& Frame() { return static_cast<GameTestFrame&>(*m_pMainWnd); }

  protected:
    const MessageMap* GetMessageMap() const override;

  private:
    Board& board_;
    GameState& state_;
    Settings& settings_;
};

}  // namespace velinor::test
