// Message boxes: a caption, a text and OK (or OK and Cancel), run modally.
#pragma once

#include <string>
#include <string_view>

#include "platform/window/dialog.h"

namespace velinor {

class MessageBoxDialog : public CDialog {
  public:
    MessageBoxDialog(std::string_view text, std::string_view caption, unsigned type);
    ModalKind Kind() const override { return ModalKind::MessageBox; }
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return GetWindowText(); }
    unsigned Type() const { return type_; }

  protected:
    // Escape on a box with OK alone answers OK, as the platform's boxes did.
    void OnCancel() override;

  private:
    std::string text_;
    unsigned type_;
};

// IDOK or IDCANCEL, the button pressed.
int RunMessageBox(std::string_view text, std::string_view caption, unsigned type);

}  // namespace velinor
