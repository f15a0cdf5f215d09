#include "app/resources.h"

#include "game/commands.h"
#include "ui/dialog_templates.h"

namespace velinor {

namespace {

constexpr MenuItemTemplate MenuItems[] = {
    {"New Game", MenuNewGame},
    {"Pause", MenuPause},
    {"Hint", MenuHint},
    {"Show solution", MenuShowSolution},
    {"Learn rules", MenuLearnRules},
    {"Options", MenuOptions},
    {"About", MenuAbout},
    {"Exit", MenuExit},
};
constexpr PopupTemplate Popups[] = {{"Menu", MenuItems}};
constexpr MenuTemplate Menus[] = {{MainFrameResourceId, Popups}};

// The images of bitmap 128 go to the buttons in this order.
constexpr uint32_t ToolbarButtons[] = {ToolLearnRules, ToolOptions,      ID_SEPARATOR, ToolNewGame,
                                       ToolHint,       ToolShowSolution, ToolPause};
constexpr ToolbarTemplate Toolbars[] = {{MainFrameResourceId, 17, 17, ToolbarButtons}};

// The title is replaced by "Velinor" during start-up.
constexpr StringTemplate Strings[] = {{MainFrameResourceId, "generic"}, {ToolPause, "Pause"}};

}  // namespace

const ResourceTable& ApplicationResources() {
    static const ResourceTable table{Menus, Toolbars, Strings, GameDialogTemplates()};
    return table;
}

}  // namespace velinor
