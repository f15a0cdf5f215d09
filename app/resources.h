// The application's resources other than images: menu, toolbar, strings and dialog templates.
#pragma once

#include <cstdint>

#include "platform/window/resources.h"

namespace velinor {

// The main window's menu, toolbar, title string and icon share this identifier.
constexpr uint32_t MainFrameResourceId = 128;

const ResourceTable& ApplicationResources();

}  // namespace velinor
