#include "ui/learn_rules.h"

namespace velinor {

void OnLearnRules(GameContext&) {}

}  // namespace velinor
