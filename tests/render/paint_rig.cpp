#include "tests/render/paint_rig.h"

namespace velinor::test {

PaintRig::PaintRig() {
    frame.LoadFrame(128);
    frame.ShowWindow(SW_SHOW);
    ComputeBoardOrigin(board);
    settings.lineOK = DefaultLineOK;
    settings.lineVI = DefaultLineVI;
    Rect client;
    frame.GetClientRect(client);
    CreateOffscreen(offscreen, client.right, client.bottom);
}

PaintRig::~PaintRig() {
    DestroyOffscreen(offscreen);
}

void PaintRig::Paint(RedrawMode mode) {
    state.redrawMode = mode;
    frame.InvalidateRect(nullptr, false);
    PaintMainWindow(offscreen, scene, context);
}

}  // namespace velinor::test
