#include "ui/rules_dialog.h"

#include "ui/rules_text.h"

namespace velinor {

RulesDialog::RulesDialog(const Settings& settings, CWnd* owner)
    : CDialog(RulesDialogId, owner), settings_(settings) {}

bool RulesDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    rulesText = RulesText(settings_.language);
    rulesTitle = RulesTitle;
    UpdateData(false);
    return true;
}

void RulesDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, RulesTitleId, rulesTitle);
    DDX_Text(dx, RulesTextId, rulesText);
}

}  // namespace velinor
