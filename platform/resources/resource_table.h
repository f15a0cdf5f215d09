// Inside the resources: the table velinor-embed makes from app/res/*.png.
#pragma once

#include "platform/gdi/embedded.h"

namespace velinor {

extern const EmbeddedImage EmbeddedResources[];
extern const int EmbeddedResourceCount;

}  // namespace velinor
