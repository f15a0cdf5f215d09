// The program's images by identifier, looked up in the table the program links.
#pragma once

#include <optional>

#include "platform/gdi/bitmap.h"

namespace velinor {

// A fresh copy of bitmap resource `id` with its own depth and palette, or nothing when there
// is no such resource (or a test made it fail).
std::optional<Bitmap> LoadBitmap(int id);

// Icon `id` at a side of `size` pixels (128 has 32 and 16), or nothing.
std::optional<Bitmap> LoadIcon(int id, int size);

// For tests of the failure paths: while set, LoadBitmap(id) finds nothing.
void SetBitmapLoadFails(int id, bool fails);

}  // namespace velinor
