// The program's resources other than bitmaps: menus, toolbars, strings and dialog templates,
// found by identifier as the platform found them in the executable.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velinor {

struct MenuItemTemplate {
    std::string_view text;
    uint32_t id = 0;
};

struct PopupTemplate {
    std::string_view text;
    std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
    uint32_t id = 0;
    std::span<const PopupTemplate> popups;
};

// A toolbar's buttons by command identifier, ID_SEPARATOR for a gap. The images are the
// bitmap with the toolbar's identifier, one button wide each, in the order of the buttons.
constexpr uint32_t ID_SEPARATOR = 0;

struct ToolbarTemplate {
    uint32_t id = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    std::span<const uint32_t> buttons;
};

struct StringTemplate {
    uint32_t id = 0;
    std::string_view text;
};

// Controls as the templates give them: a window class and its style bits.
enum class ControlClass { Button, Edit, Static };

constexpr uint32_t BS_PUSHBUTTON = 0x0000;
constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr uint32_t BS_GROUPBOX = 0x0007;
constexpr uint32_t BS_AUTORADIOBUTTON = 0x0009;
constexpr uint32_t BS_TYPEMASK = 0x000F;

constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_READONLY = 0x0800;

constexpr uint32_t SS_LEFT = 0x0000;
constexpr uint32_t SS_CENTER = 0x0001;
constexpr uint32_t SS_BITMAP = 0x000E;
constexpr uint32_t SS_CENTERIMAGE = 0x0200;

// Rectangles in dialog units, as (x, y, width, height).
struct DialogUnitRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate {
    ControlClass controlClass = ControlClass::Static;
    int id = -1;
    std::string_view text;
    DialogUnitRect rect;
    uint32_t style = 0;
};

struct DialogTemplate {
    uint32_t id = 0;
    std::string_view caption;
    int width = 0;  // dialog units
    int height = 0;
    std::span<const ControlTemplate> controls;
};

struct ResourceTable {
    std::span<const MenuTemplate> menus;
    std::span<const ToolbarTemplate> toolbars;
    std::span<const StringTemplate> strings;
    std::span<const DialogTemplate> dialogs;
};

// The application's resources; the table must live as long as the program uses it.
void SetResources(const ResourceTable& table);

const MenuTemplate* FindMenuResource(uint32_t id);
const ToolbarTemplate* FindToolbarResource(uint32_t id);
const StringTemplate* FindStringResource(uint32_t id);
const DialogTemplate* FindDialogResource(uint32_t id);

}  // namespace velinor
