#include "platform/window/menu.h"

#include "platform/window/messages.h"
#include "platform/window/resources.h"

namespace velinor {

const CMenu::Item* CMenu::At(int position) const {
    if (position < 0 || position >= GetMenuItemCount()) return nullptr;
    return &items_[static_cast<size_t>(position)];
}

uint32_t CMenu::GetMenuItemID(int position) const {
    const Item* item = At(position);
    return item == nullptr || item->popup ? NoMenuItem : item->id;
}

CMenu* CMenu::GetSubMenu(int position) const {
    const Item* item = At(position);
    return item == nullptr ? nullptr : item->popup.get();
}

std::string CMenu::GetMenuString(int position) const {
    const Item* item = At(position);
    return item == nullptr ? std::string() : item->text;
}

CMenu::Item* CMenu::FindCommand(uint32_t id) {
    for (Item& item : items_) {
        if (item.popup) {
            if (Item* found = item.popup->FindCommand(id)) return found;
        } else if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

bool CMenu::ModifyMenu(uint32_t item, uint32_t flags, uint32_t newId, std::string_view text) {
    Item* target = nullptr;
    if ((flags & MF_BYPOSITION) != 0) {
        if (item < items_.size()) target = &items_[item];
    } else {
        target = FindCommand(item);
    }
    if (target == nullptr) return false;
    target->text = text;
    target->id = newId;
    target->popup.reset();
    return true;
}

void CMenu::AppendItem(std::string_view text, uint32_t id) {
    items_.push_back({std::string(text), id, nullptr});
}

CMenu& CMenu::AppendPopup(std::string_view text) {
    items_.push_back({std::string(text), 0, std::make_unique<CMenu>()});
    return *items_.back().popup;
}

std::unique_ptr<CMenu> LoadMenu(uint32_t id) {
    const MenuTemplate* resource = FindMenuResource(id);
    if (resource == nullptr) return nullptr;
    auto menu = std::make_unique<CMenu>();
    for (const PopupTemplate& popup : resource->popups) {
        CMenu& sub = menu->AppendPopup(popup.text);
        for (const MenuItemTemplate& item : popup.items)
            sub.AppendItem(item.text, item.id);
    }
    return menu;
}

}  // namespace velinor
