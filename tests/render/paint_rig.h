// A main window on the headless back end with the game's records and the offscreen buffer:
// everything a paint of the main window needs, for tests and for looking at frames.
#pragma once

#include "platform/gdi/blit.h"
#include "platform/headless/headless.h"
#include "platform/window/frame.h"
#include "render/paint.h"

namespace velinor::test {

class PaintRig {
  public:
    // The window shown, the buffer created at the client area's size, an empty 5 x 5 board in
    // its place, the line colours at their defaults and every other record at zero.
    PaintRig();
    ~PaintRig();
    PaintRig(const PaintRig&) = delete;
    PaintRig& operator=(const PaintRig&) = delete;

    // A repaint of the whole client area with `mode`, painted at once.
    void Paint(RedrawMode mode);
    void Paint() { Paint(state.redrawMode); }

    // The window as the last copies left it: the client area, 240 x 294.
    const Bitmap& Window() const { return frame.Surface(); }
    COLORREF BufferAt(int x, int y) const { return GetPixel(offscreen.buffer, x, y); }

    HeadlessDriver driver;
    CFrameWnd frame;
    Board board;
    GameState state;
    Settings settings;
    GameContext context{board, state, settings, frame};
    OffscreenBuffer offscreen;
    IntroScene scene;
};

}  // namespace velinor::test
