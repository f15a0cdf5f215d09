#include "ui/menu_language.h"

#include "platform/window/menu.h"

namespace velinor {

namespace {

struct MenuText {
    int position;
    const char* english;
    const char* french;
};

constexpr MenuText MenuTexts[] = {
    {0, "New Game", "Nouvelle partie"},
    {2, "Hint", "Suggestion"},
    {3, "Show solution", "Donner la solution"},
    {4, "Learn rules", "Apprentissage"},
    {6, "About", "A propos"},
    {7, "Exit", "Quitter"},
};

}  // namespace

void ApplyMenuLanguage(GameContext& context) {
    CMenu* menu = context.window.GetMenu();
    CMenu* popup = menu != nullptr ? menu->GetSubMenu(0) : nullptr;
    if (popup == nullptr) return;
    const int32_t language = context.settings.language;
    for (const MenuText& item : MenuTexts) {
        const uint32_t id = popup->GetMenuItemID(item.position);
        popup->ModifyMenu(static_cast<uint32_t>(item.position), MF_BYPOSITION | MF_STRING, id,
                          Localized(language, item.english, item.french));
    }
}

}  // namespace velinor
