#include "ui/dialog_templates.h"

#include "ui/rules_dialog.h"

namespace velinor {

namespace {

constexpr ControlTemplate RulesControls[] = {
    {ControlClass::Edit, RulesTitleId, "", {47, 1, 49, 12}, ES_CENTER},
    {ControlClass::Edit, RulesTextId, "", {1, 17, 136, 137}, ES_MULTILINE | ES_AUTOVSCROLL},
};

constexpr DialogTemplate Templates[] = {
    {RulesDialogId, "Dialog", 151, 213, RulesControls},
};

}  // namespace

std::span<const DialogTemplate> GameDialogTemplates() {
    return Templates;
}

}  // namespace velinor
