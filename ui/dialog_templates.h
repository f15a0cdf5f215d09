// The templates of the game's dialogs, for the application's resource table.
#pragma once

#include <cstdint>
#include <span>

#include "platform/window/resources.h"

namespace velinor {

constexpr uint32_t OptionsDialogId = 104;

std::span<const DialogTemplate> GameDialogTemplates();

}  // namespace velinor
