// The game's test frame with its paints going to the program's paint handler, and start-up in
// the program's order on the headless back end: the first paint comes before the offscreen
// buffer exists.
#pragma once

#include <memory>

#include "platform/headless/headless.h"
#include "render/paint.h"
#include "store/settings.h"
#include "tests/game/test_frame.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

class PaintTestFrame : public GameTestFrame {
  public:
    using GameTestFrame::GameTestFrame;

    OffscreenBuffer offscreen;
    IntroScene scene;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnMessage<WM_PAINT, &PaintTestFrame::OnPaint>,
        };
        static const MessageMap map{GameTestFrame::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnPaint() { PaintMainWindow(offscreen, scene, game); }
};

// The first game and the opening animation set up, the window shown and its buffer made; the
// paints that follow wait for the driver.
struct PaintedGame {
    PaintedGame() {
        InitSettings(settings);
        OnNewGame(frame.game);
        frame.StartIntro();
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
        Rect client;
        frame.GetClientRect(client);
        CreateOffscreen(frame.offscreen, client.right, client.bottom);
        frame.InvalidateRect(nullptr, true);
    }

    TempStore store;
    HeadlessDriver driver;
    Board board;
    GameState state;
    Settings settings;
    CWinApp app;
    PaintTestFrame& frame{Open()};

  private:
    PaintTestFrame& Open() {
        app.m_pMainWnd = std::make_unique<PaintTestFrame>(board, state, settings);
        return static_cast<PaintTestFrame&>(*app.m_pMainWnd);
    }
};

}  // namespace velinor::test
