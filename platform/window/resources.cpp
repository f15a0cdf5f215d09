#include "platform/window/resources.h"

namespace velinor {
namespace {

ResourceTable resources;

template <class T>
const T* FindById(std::span<const T> items, uint32_t id) {
    for (const T& item : items) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

}  // namespace

void SetResources(const ResourceTable& table) {
    resources = table;
}

const MenuTemplate* FindMenuResource(uint32_t id) {
    return FindById(resources.menus, id);
}

const ToolbarTemplate* FindToolbarResource(uint32_t id) {
    return FindById(resources.toolbars, id);
}

const StringTemplate* FindStringResource(uint32_t id) {
    return FindById(resources.strings, id);
}

const DialogTemplate* FindDialogResource(uint32_t id) {
    return FindById(resources.dialogs, id);
}

}  // namespace velinor
