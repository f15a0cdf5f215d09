// Menus: items with a text and a command identifier, or a popup of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velinor {

// What GetMenuItemID answers for a popup or a position with no item.
constexpr uint32_t NoMenuItem = 0xFFFFFFFF;

class CMenu {
  public:
    int GetMenuItemCount() const { return static_cast<int>(items_.size()); }
    uint32_t GetMenuItemID(int position) const;
    // The popup at a position; null for a plain item or no item.
    CMenu* GetSubMenu(int position) const;
    std::string GetMenuString(int position) const;

    // Replaces an item, found by position (MF_BYPOSITION) or by command identifier, with a
    // plain item of the given identifier and text. False when there is no such item.
    bool ModifyMenu(uint32_t item, uint32_t flags, uint32_t newId, std::string_view text);

    void AppendItem(std::string_view text, uint32_t id);
    CMenu& AppendPopup(std::string_view text);

  private:
    struct Item {
        std::string text;
        uint32_t id = 0;
        std::unique_ptr<CMenu> popup;
    };
    const Item* At(int position) const;
    Item* FindCommand(uint32_t id);

    std::vector<Item> items_;
};

// The menu resource with this identifier, or null.
std::unique_ptr<CMenu> LoadMenu(uint32_t id);

}  // namespace velinor
