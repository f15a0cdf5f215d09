// The templates of the game's dialogs, for the application's resource table.
#pragma once

#include <span>

#include "platform/window/resources.h"

namespace velinor {

std::span<const DialogTemplate> GameDialogTemplates();

}  // namespace velinor
