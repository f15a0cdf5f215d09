#include "render/intro.h"

namespace velinor {

void PaintIntroFrame(OffscreenBuffer&, IntroScene&, GameContext&) {}

}  // namespace velinor
