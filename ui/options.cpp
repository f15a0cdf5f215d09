#include "ui/options.h"

namespace velinor {

void OnOptions(GameContext&) {}

}  // namespace velinor
