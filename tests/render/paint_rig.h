// A main window on the headless back end whose paints go to the program's paint handler, with the
// game's records and the offscreen buffer: everything a paint of the main window needs, for the
// tests and for looking at frames.
#pragma once

#include "platform/gdi/blit.h"
#include "platform/headless/headless.h"
#include "render/paint.h"
#include "tests/game/test_frame.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

class PaintFrame : public GameTestFrame {
  public:
    using GameTestFrame::GameTestFrame;
    OffscreenBuffer offscreen;
    IntroScene scene;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {OnMessage<WM_PAINT, &PaintFrame::OnPaint>};
        static const MessageMap map{GameTestFrame::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnPaint() { PaintMainWindow(offscreen, scene, game); }
};

struct PaintRig {
    // The window shown, the buffer created at the client area's size, an empty 5 x 5 board in
    // its place, the line colours at their defaults and every other record at zero; a store of
    // its own.
    PaintRig();
    ~PaintRig() { DestroyOffscreen(offscreen); }

    // A repaint of the whole client area with `mode`, painted at once.
    void Paint(RedrawMode mode);
    // The first game and the opening animation as start-up sets them up; the paints wait for
    // the driver.
    void StartWithIntro();

    // The window as the last copies left it: the client area, 240 x 294.
    const Bitmap& Window() const { return frame.Surface(); }
    COLORREF BufferAt(int x, int y) const { return GetPixel(offscreen.buffer, x, y); }

    TempStore store;
    HeadlessDriver driver;
    Board board;
    GameState state;
    Settings settings;
    CWinApp app;
    PaintFrame& frame;
    OffscreenBuffer& offscreen{frame.offscreen};
};

}  // namespace velinor::test
