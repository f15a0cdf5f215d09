#include "platform/window/message_box.h"

#include <algorithm>
#include <span>

#include "platform/gdi/text.h"
#include "platform/window/theme.h"

namespace velinor {
namespace {

constexpr int Margin = 10;
constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 20;
constexpr int ButtonGap = 10;
constexpr int MinTextWidth = 120;
constexpr int MaxTextWidth = 200;

DialogLayout BoxLayout(std::string_view text, std::string_view caption, unsigned type) {
    bool cancel = type == MB_OKCANCEL;
    int buttons = cancel ? 2 * ButtonWidth + ButtonGap : ButtonWidth;
    int natural = MeasureText(text, MaxTextWidth, TextWordBreak).width;
    int textWidth = std::clamp(std::max({natural, TextWidth(caption) + 4, buttons}), MinTextWidth,
                               MaxTextWidth);
    int textHeight = MeasureText(text, textWidth, TextWordBreak).height;

    DialogLayout layout;
    layout.caption = caption;
    layout.captionOk = false;
    int width = textWidth + 2 * Margin;
    int buttonTop = Margin + textHeight + Margin;
    layout.client = {width, buttonTop + ButtonHeight + Margin};

    Control label;
    label.kind = ControlKind::Label;
    label.rect = {Margin, Margin, Margin + textWidth, Margin + textHeight};
    label.text = text;
    layout.controls.push_back(label);

    int left = (width - buttons) / 2;
    const int ids[] = {IDOK, IDCANCEL};
    for (int id : std::span(ids, cancel ? 2 : 1)) {
        Control button;
        button.id = id;
        button.kind = ControlKind::PushButton;
        button.rect = {left, buttonTop, left + ButtonWidth, buttonTop + ButtonHeight};
        button.text = id == IDOK ? "OK" : "Cancel";
        layout.controls.push_back(button);
        left += ButtonWidth + ButtonGap;
    }
    return layout;
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(std::string_view text, std::string_view caption, unsigned type)
    : CDialog(BoxLayout(text, caption, type)), text_(text), type_(type) {}

void MessageBoxDialog::OnCancel() {
    EndDialog(type_ == MB_OKCANCEL ? IDCANCEL : IDOK);
}

int RunMessageBox(std::string_view text, std::string_view caption, unsigned type) {
    MessageBoxDialog box(text, caption, type == MB_OKCANCEL ? MB_OKCANCEL : MB_OK);
    return box.DoModal();
}

}  // namespace velinor
