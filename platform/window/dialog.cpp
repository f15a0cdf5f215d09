#include "platform/window/dialog.h"

#include <algorithm>
#include <utility>

#include "platform/window/theme.h"
#include "platform/window/window_system.h"

namespace velinor {
namespace {

Rect PixelsOf(const DialogUnitRect& r) {
    int left = DialogUnitsToPixelsX(r.x);
    int top = DialogUnitsToPixelsY(r.y);
    return {left, top, DialogUnitsToPixelsX(r.x + r.width), DialogUnitsToPixelsY(r.y + r.height)};
}

// Where a popup of this size stands: centred under the command bar when it fits there, else
// over the whole screen, as a handheld's full-screen dialog.
Rect PlacePopup(Size size) {
    if (size.width > ScreenWidth || size.height > ScreenHeight - CommandBarHeight) {
        return {0, 0, ScreenWidth, ScreenHeight};
    }
    int left = (ScreenWidth - size.width) / 2;
    int top = CommandBarHeight + (ScreenHeight - CommandBarHeight - size.height) / 2;
    return {left, top, left + size.width, top + size.height};
}

}  // namespace

DialogLayout LayoutFromTemplate(const DialogTemplate& dialog) {
    DialogLayout layout;
    layout.caption = dialog.caption;
    layout.client = {DialogUnitsToPixelsX(dialog.width), DialogUnitsToPixelsY(dialog.height)};
    for (const ControlTemplate& t : dialog.controls) {
        Control c;
        c.id = t.id;
        c.kind = KindOf(t.controlClass, t.style);
        c.style = t.style;
        c.rect = PixelsOf(t.rect);
        c.text = t.text;
        layout.controls.push_back(std::move(c));
    }
    return layout;
}

DC* CDialogItem::GetDC() {
    if (dialog_ == nullptr || !dialog_->OpenControlContext(id_, dc_)) return nullptr;
    return &dc_;
}

void CDialogItem::ReleaseDC(DC* dc) {
    if (dc != &dc_) return;
    dc_ = DC();
    WindowSystem::Current().ScreenChanged();
}

void CDialogItem::Attach(CDialog& dialog, int id) {
    dialog_ = &dialog;
    id_ = id;
}

CDialog::CDialog(uint32_t templateId, CWnd*) : templateId_(templateId) {}

CDialog::CDialog(DialogLayout layout) : layout_(std::move(layout)) {}

int CDialog::DoModal() {
    if (templateId_ != 0) {
        const DialogTemplate* dialog = FindDialogResource(templateId_);
        if (dialog == nullptr) return -1;
        layout_ = LayoutFromTemplate(*dialog);
    }
    controls_ = layout_.controls;
    // A template larger than the screen is cut to it; its far controls are out of reach.
    Rect place = PlacePopup(PopupSizeFor(layout_.client));
    Size size{place.Width(), place.Height()};
    SetWindowText(layout_.caption);
    SetCastsShadow(size.height < ScreenHeight);
    CreateWindowAt(place, PopupClientArea(size), true);

    WindowSystem& system = WindowSystem::Current();
    result_ = IDCANCEL;
    ending_ = false;
    running_ = true;
    system.PushModal(*this);
    OnInitDialog();
    system.RunUntil([this] { return ending_; });
    // The loop also ends at the quit message, or when no input will ever come.
    if (!ending_) EndDialog(IDCANCEL);
    running_ = false;
    tracking_ = Tracking::None;
    DestroyWindow();
    return result_;
}

void CDialog::RevealBelow(const Rect& screenRect) {
    for (CWnd* window : WindowSystem::Current().Windows()) {
        Point origin = window->ScreenToClient({0, 0});
        Rect area{screenRect.left + origin.x, screenRect.top + origin.y,
                  screenRect.right + origin.x, screenRect.bottom + origin.y};
        window->InvalidateRect(&area, false);
    }
}

void CDialog::EndDialog(int result) {
    result_ = result;
    if (!running_ || ending_) return;
    // The dialog leaves the screen and the stylus at once; its loop ends when the handler
    // that called this returns.
    ending_ = true;
    WindowSystem::Current().PopModal(*this);
    Rect place = WindowRect();
    ShowWindow(SW_HIDE);
    RevealBelow({place.left, place.top, place.right + ShadowOffset, place.bottom + ShadowOffset});
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
    return true;
}

const MessageMap* CDialog::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnCommand<IDOK, &CDialog::OnOK>,
        OnCommand<IDCANCEL, &CDialog::OnCancel>,
    };
    static const MessageMap map{CWnd::GetMessageMap(), entries};
    return &map;
}

const Control* CDialog::FindControl(int id) const {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const Control& c) { return c.id == id; });
    return it == controls_.end() ? nullptr : &*it;
}

Control* CDialog::EditableControl(int id) {
    return const_cast<Control*>(FindControl(id));
}

void CDialog::InvalidateControl(const Control& control) {
    InvalidateRect(&control.rect, true);
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
    Control* control = EditableControl(id);
    if (control == nullptr) return;
    control->text = text;
    control->scroll = ClampScroll(*control, control->scroll);
    InvalidateControl(*control);
}

std::string CDialog::GetDlgItemText(int id) const {
    const Control* control = FindControl(id);
    return control != nullptr ? control->text : std::string();
}

int CDialog::GetRadioIndex(int id) const {
    const Control* control = FindControl(id);
    if (control == nullptr) return -1;
    GroupRange group = GroupOf(controls_, static_cast<size_t>(control - controls_.data()));
    int index = 0;
    for (size_t i = group.first; i < group.end; ++i) {
        if (controls_[i].kind != ControlKind::RadioButton) continue;
        if (controls_[i].checked) return index;
        ++index;
    }
    return -1;
}

void CDialog::SetRadioIndex(int id, int index) {
    Control* control = EditableControl(id);
    if (control == nullptr) return;
    GroupRange group = GroupOf(controls_, static_cast<size_t>(control - controls_.data()));
    int at = 0;
    for (size_t i = group.first; i < group.end; ++i) {
        Control& c = controls_[i];
        if (c.kind != ControlKind::RadioButton) continue;
        bool checked = at++ == index;
        if (c.checked == checked) continue;
        c.checked = checked;
        InvalidateControl(c);
    }
}

void CDialog::CheckRadio(size_t index) {
    GroupRange group = GroupOf(controls_, index);
    for (size_t i = group.first; i < group.end; ++i) {
        Control& c = controls_[i];
        if (c.kind != ControlKind::RadioButton || c.checked == (i == index)) continue;
        c.checked = i == index;
        InvalidateControl(c);
    }
}

void CDialog::Activate(size_t index) {
    if (controls_[index].kind == ControlKind::RadioButton) CheckRadio(index);
    SendMessage(WM_COMMAND, static_cast<uint32_t>(controls_[index].id));
}

bool CDialog::ClickControl(int id) {
    if (!HasWindow()) return false;
    for (size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].id == id && TakesTaps(controls_[i])) {
            Activate(i);
            return true;
        }
    }
    if (id != IDOK && id != IDCANCEL) return false;
    SendMessage(WM_COMMAND, static_cast<uint32_t>(id));
    return true;
}

bool CDialog::OpenControlContext(int id, DC& dc) {
    const Control* control = FindControl(id);
    if (control == nullptr || !HasWindow()) return false;
    Rect r = control->rect;
    PrepareContext(dc, {r.left, r.top}, r);
    return true;
}

Rect CDialog::CaptionOkInClient() const {
    if (!layout_.captionOk) return {};
    Rect window = WindowRect();
    Rect ok = CaptionOkRect({window.Width(), window.Height()});
    Rect client = ClientArea();
    return {ok.left - client.left, ok.top - client.top, ok.right - client.left,
            ok.bottom - client.top};
}

void CDialog::StylusDown(Point p) {
    tracking_ = Tracking::None;
    if (CaptionOkInClient().Contains(p)) {
        tracking_ = Tracking::CaptionOk;
        return;
    }
    for (size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        if (!c.rect.Contains(p)) continue;
        if (TakesTaps(c)) {
            tracking_ = Tracking::Button;
            c.pressed = true;
            InvalidateControl(c);
        } else if (MaxScroll(c) != Point{}) {
            tracking_ = Tracking::Scroll;
            scrollStart_ = c.scroll;
        } else {
            continue;
        }
        tracked_ = i;
        trackStart_ = p;
        return;
    }
}

void CDialog::StylusMove(Point p) {
    if (tracking_ == Tracking::Button) {
        Control& c = controls_[tracked_];
        bool inside = c.rect.Contains(p);
        if (c.pressed == inside) return;
        c.pressed = inside;
        InvalidateControl(c);
    } else if (tracking_ == Tracking::Scroll) {
        Control& c = controls_[tracked_];
        c.scroll = ClampScroll(
            c, {scrollStart_.x - (p.x - trackStart_.x), scrollStart_.y - (p.y - trackStart_.y)});
        InvalidateControl(c);
    }
}

void CDialog::StylusUp(Point p) {
    Tracking tracking = std::exchange(tracking_, Tracking::None);
    if (tracking == Tracking::CaptionOk && CaptionOkInClient().Contains(p)) {
        SendMessage(WM_COMMAND, IDOK);
    } else if (tracking == Tracking::Button) {
        Control& c = controls_[tracked_];
        c.pressed = false;
        InvalidateControl(c);
        if (c.rect.Contains(p)) Activate(tracked_);
    }
}

void CDialog::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            StylusDown(message.point);
            break;
        case WM_MOUSEMOVE:
            StylusMove(message.point);
            break;
        case WM_LBUTTONUP:
            StylusUp(message.point);
            break;
        case WM_KEYDOWN:
            if (message.id == VK_RETURN) SendMessage(WM_COMMAND, IDOK);
            if (message.id == VK_ESCAPE) SendMessage(WM_COMMAND, IDCANCEL);
            break;
        case WM_CLOSE:
            SendMessage(WM_COMMAND, IDCANCEL);
            break;
        default:
            CWnd::DefWindowProc(message);
            break;
    }
}

void CDialog::DrawNonClient(DC& dc) {
    Rect window = WindowRect();
    DrawPopupFrame(dc, {window.Width(), window.Height()}, GetWindowText(), layout_.captionOk);
}

void CDialog::PaintContent(DC& dc, const Rect& clip) {
    // Group boxes first: the controls they frame draw over them.
    for (bool groups : {true, false}) {
        for (const Control& c : controls_) {
            if ((c.kind == ControlKind::GroupBox) != groups) continue;
            if (!Intersect(c.rect, clip).IsEmpty()) DrawControl(dc, c);
        }
    }
}

void DDX_Control(CDataExchange& dx, int id, CDialogItem& item) {
    item.Attach(dx.Dialog(), id);
}

void DDX_Radio(CDataExchange& dx, int id, int& index) {
    if (dx.SaveAndValidate()) {
        index = dx.Dialog().GetRadioIndex(id);
    } else {
        dx.Dialog().SetRadioIndex(id, index);
    }
}

void DDX_Text(CDataExchange& dx, int id, std::string& text) {
    if (dx.SaveAndValidate()) {
        text = dx.Dialog().GetDlgItemText(id);
    } else {
        dx.Dialog().SetDlgItemText(id, text);
    }
}

}  // namespace velinor
