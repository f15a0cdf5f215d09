#include "tests/render/paint_rig.h"

#include <memory>

#include "store/settings.h"

namespace velinor::test {

PaintRig::PaintRig()
    : frame(static_cast<PaintFrame&>(
          *(app.m_pMainWnd = std::make_unique<PaintFrame>(board, state, settings)))) {
    frame.ShowWindow(SW_SHOW);
    ComputeBoardOrigin(board);
    settings.lineOK = DefaultLineOK;
    settings.lineVI = DefaultLineVI;
    Rect client;
    frame.GetClientRect(client);
    CreateOffscreen(offscreen, client.right, client.bottom);
}

void PaintRig::Paint(RedrawMode mode) {
    state.redrawMode = mode;
    frame.InvalidateRect(nullptr, false);
    frame.UpdateWindow();
}

void PaintRig::StartWithIntro() {
    InitSettings(settings);
    OnNewGame(frame.game);
    frame.StartIntro();
    frame.InvalidateRect(nullptr, true);
}

}  // namespace velinor::test
