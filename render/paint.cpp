#include "render/paint.h"

#include "platform/gdi/blit.h"

namespace velinor {

void PaintMainWindow(OffscreenBuffer& offscreen, IntroScene& scene, GameContext& context) {
    if (!offscreen.created) return;
    GameState& state = context.state;
    const int clearHeight = state.redrawMode == RedrawFull ? offscreen.height : 30;
    PatBlt(offscreen.buffer, 0, 0, offscreen.width, clearHeight, Rop::Blackness);
    if (state.introStart != 0) {
        PaintIntroFrame(offscreen, scene, context);
        return;
    }
    CPaintDC paint(&context.window);
    BitBlt(paint.Context(), 0, 0, offscreen.width, offscreen.height, offscreen.buffer, 0, 0,
           Rop::SrcCopy);
}

}  // namespace velinor
