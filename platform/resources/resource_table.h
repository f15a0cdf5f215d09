// The application's images: the program links a table that velinor-embed made from its PNGs;
// the platform only looks images up in it.
#pragma once

#include "platform/gdi/embedded.h"

namespace velinor {

extern const EmbeddedImage EmbeddedResources[];
extern const int EmbeddedResourceCount;

}  // namespace velinor
