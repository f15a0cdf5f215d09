#include "ui/dialog_templates.h"

#include "platform/window/messages.h"
#include "ui/rules_dialog.h"

namespace velinor {
namespace {

// In tab order; the texts of the reset button and of the difficulty and player radios are
// replaced when the dialog opens.
constexpr ControlTemplate OptionsControls[] = {
    {ControlClass::Button, 1032, "OK", {111, 44, 22, 10}, BS_PUSHBUTTON},
    {ControlClass::Button, 1033, "NOK", {111, 56, 22, 10}, BS_PUSHBUTTON},
    {ControlClass::Button, 1022, "123", {93, 8, 27, 9}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 1023, "ABC", {93, 18, 27, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, 1025, "$#@", {93, 28, 31, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, 1018, "easy", {85, 70, 40, 9}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 1019, "medium", {85, 80, 40, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, 1020, "hard", {85, 90, 39, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Static, 1027, "", {5, 54, 79, 48}, SS_BITMAP | SS_CENTERIMAGE},
    {ControlClass::Edit, 1010, "", {5, 8, 34, 40}, ES_MULTILINE | ES_RIGHT},
    {ControlClass::Edit, 1003, "", {42, 8, 47, 40}, ES_MULTILINE},
    {ControlClass::Button, 1001, "English", {14, 140, 38, 13}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 1007, "Français", {79, 140, 38, 13}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, 1008, "Reset Statistics", {3, 127, 131, 12}, BS_PUSHBUTTON},
    {ControlClass::Edit, 1024, "", {7, 105, 123, 12}, ES_AUTOHSCROLL},
    {ControlClass::Button, 1026, "player1", {15, 116, 43, 10}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 1029, "player2", {79, 116, 47, 10}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, -1, "Velinor", {1, 0, 135, 103}, BS_GROUPBOX},
};

constexpr ControlTemplate RulesControls[] = {
    {ControlClass::Edit, RulesTitleId, "", {47, 1, 49, 12}, ES_CENTER},
    {ControlClass::Edit, RulesTextId, "", {1, 17, 136, 137}, ES_MULTILINE | ES_AUTOVSCROLL},
};

constexpr DialogTemplate Dialogs[] = {
    {OptionsDialogId, "Options", 167, 174, OptionsControls},
    {RulesDialogId, "Dialog", 151, 213, RulesControls},
};

}  // namespace

std::span<const DialogTemplate> GameDialogTemplates() {
    return Dialogs;
}

}  // namespace velinor
