#include "ui/dialog_templates.h"

namespace velinor {

std::span<const DialogTemplate> GameDialogTemplates() {
    return {};
}

}  // namespace velinor
