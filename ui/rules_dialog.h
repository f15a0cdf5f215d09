// The rules dialog: the rules of the game as text in the current language.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/dialog.h"
#include "store/settings.h"

namespace velinor {

constexpr uint32_t RulesDialogId = 105;
constexpr int RulesTextId = 1010;
constexpr int RulesTitleId = 1011;

// No buttons of its own: the platform's confirmation or cancellation closes it.
class RulesDialog : public CDialog {
  public:
    explicit RulesDialog(const Settings& settings, CWnd* owner = nullptr);

    std::string rulesTitle;
    std::string rulesText;

  protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

  private:
    const Settings& settings_;
};

}  // namespace velinor
