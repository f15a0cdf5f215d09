#include "platform/resources/resources.h"

#include <set>

#include "platform/resources/resource_table.h"

namespace velinor {
namespace {

std::set<int>& FailingBitmaps() {
    static std::set<int> ids;
    return ids;
}

std::optional<Bitmap> Find(EmbeddedKind kind, int id, int size) {
    for (int i = 0; i < EmbeddedResourceCount; ++i) {
        const EmbeddedImage& image = EmbeddedResources[i];
        if (image.kind == kind && image.id == id && image.size == size)
            return BitmapFromEmbedded(image);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Bitmap> LoadBitmap(int id) {
    if (FailingBitmaps().count(id)) return std::nullopt;
    return Find(EmbeddedKind::Bitmap, id, 0);
}

std::optional<Bitmap> LoadIcon(int id, int size) {
    return Find(EmbeddedKind::Icon, id, size);
}

void SetBitmapLoadFails(int id, bool fails) {
    if (fails)
        FailingBitmaps().insert(id);
    else
        FailingBitmaps().erase(id);
}

}  // namespace velinor
