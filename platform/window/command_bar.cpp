#include "platform/window/command_bar.h"

#include <utility>

#include "platform/gdi/blit.h"
#include "platform/gdi/text.h"
#include "platform/resources/resources.h"
#include "platform/window/frame.h"
#include "platform/window/resources.h"
#include "platform/window/theme.h"
#include "platform/window/window_system.h"

namespace velinor {
namespace {

constexpr int MenuButtonPadding = 9;
constexpr int ButtonPadding = 3;
constexpr int SeparatorWidth = 9;
constexpr int ToolbarGap = 6;

}  // namespace

bool CCommandBar::Create(CFrameWnd* parent, uint32_t style, uint32_t) {
    parent_ = parent;
    constexpr Rect bar{0, 0, ScreenWidth, CommandBarHeight};
    CreateWindowAt(bar, bar, (style & WS_VISIBLE) != 0);
    if (parent != nullptr) parent->SetCommandBar(this);
    return true;
}

bool CCommandBar::DestroyWindow() {
    popup_.DestroyWindow();
    return CWnd::DestroyWindow();
}

Rect CCommandBar::MenuButtonRect() const {
    if (menu_ == nullptr || menu_->GetMenuItemCount() == 0) return {};
    int width = TextWidth(menu_->GetMenuString(0)) + 2 * MenuButtonPadding;
    return {0, 0, width, CommandBarHeight - 1};
}

bool CCommandBar::InsertMenuBar(uint32_t menuId) {
    popup_.DestroyWindow();  // it shows the menu that goes
    menu_ = LoadMenu(menuId);
    LayOutButtons();
    return menu_ != nullptr;
}

bool CCommandBar::LoadToolBar(uint32_t toolbarId) {
    const ToolbarTemplate* toolbar = FindToolbarResource(toolbarId);
    if (toolbar == nullptr) return false;
    images_ = LoadBitmap(static_cast<int>(toolbarId));
    imageSize_ = {toolbar->buttonWidth, toolbar->buttonHeight};
    buttons_.clear();
    int image = 0;
    for (uint32_t command : toolbar->buttons) {
        buttons_.push_back({command, command == ID_SEPARATOR ? -1 : image++, {}});
    }
    LayOutButtons();
    return true;
}

// The toolbar follows the menu button, whichever came first.
void CCommandBar::LayOutButtons() {
    int x = MenuButtonRect().right + ToolbarGap;
    for (Button& button : buttons_) {
        int width =
            button.command == ID_SEPARATOR ? SeparatorWidth : imageSize_.width + 2 * ButtonPadding;
        button.rect = {x, 1, x + width, CommandBarHeight - 2};
        x += width;
    }
    Invalidate(true);
}

Rect CCommandBar::ButtonRect(uint32_t command) const {
    for (const Button& b : buttons_) {
        if (b.command == command && command != ID_SEPARATOR) return b.rect;
    }
    return {};
}

int CCommandBar::ButtonAt(Point p) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].command != ID_SEPARATOR && buttons_[i].rect.Contains(p)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CCommandBar::SetPressed(int button) {
    if (button == pressed_) return;
    for (int b : {pressed_, button}) {
        if (b >= 0) InvalidateRect(&buttons_[static_cast<size_t>(b)].rect, true);
    }
    pressed_ = button;
}

void CCommandBar::InvalidateMenuButton() {
    Rect r = MenuButtonRect();
    InvalidateRect(&r, true);
}

void CCommandBar::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (MenuButtonRect().Contains(message.point) && menu_->GetSubMenu(0) != nullptr) {
                popup_.Open(*this, *menu_->GetSubMenu(0), {0, CommandBarHeight});
                WindowSystem::Current().SetCapture(&popup_);
                InvalidateMenuButton();
                break;
            }
            held_ = ButtonAt(message.point);
            SetPressed(held_);
            break;
        case WM_MOUSEMOVE:
            SetPressed(ButtonAt(message.point) == held_ ? held_ : -1);
            break;
        case WM_LBUTTONUP: {
            int button = std::exchange(held_, -1);
            SetPressed(-1);
            if (button >= 0 && ButtonAt(message.point) == button && parent_ != nullptr) {
                parent_->PostMessage(WM_COMMAND, buttons_[static_cast<size_t>(button)].command);
            }
            break;
        }
        default:
            CWnd::DefWindowProc(message);
            break;
    }
}

void CCommandBar::MenuChosen(uint32_t command) {
    if (parent_ != nullptr) parent_->PostMessage(WM_COMMAND, command);
}

void CCommandBar::MenuClosed() {
    InvalidateMenuButton();
}

bool CCommandBar::KeepsOpen(Point screen) const {
    return MenuButtonRect().Contains(screen);
}

void CCommandBar::DrawMenuButton(DC& dc) {
    Rect r = MenuButtonRect();
    if (r.IsEmpty()) return;
    bool open = IsMenuOpen();
    if (open) FillSolid(dc, r, CaptionColour);
    DrawLabel(dc, menu_->GetMenuString(0), r, open ? PaperColour : InkColour,
              TextCentre | TextVCentre);
    FillSolid(dc, {r.right, 5, r.right + 1, CommandBarHeight - 6}, BarEdgeColour);
}

void CCommandBar::DrawButton(DC& dc, const Button& button, bool pressed) {
    const Rect& r = button.rect;
    if (button.command == ID_SEPARATOR) {
        int mid = (r.left + r.right) / 2;
        FillSolid(dc, {mid, r.top + 4, mid + 1, r.bottom - 4}, BarEdgeColour);
        FillSolid(dc, {mid + 1, r.top + 4, mid + 2, r.bottom - 4}, PaperColour);
        return;
    }
    int shift = pressed ? 1 : 0;
    if (pressed) {
        FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, BarEdgeColour);
        FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, BarEdgeColour);
        FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, PaperColour);
        FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, PaperColour);
    }
    if (!images_) return;
    int x = r.left + (r.Width() - imageSize_.width) / 2 + shift;
    int y = r.top + (r.Height() - imageSize_.height) / 2 + shift;
    BitBlt(dc, x, y, imageSize_.width, imageSize_.height, *images_, button.image * imageSize_.width,
           0, Rop::SrcCopy);
}

void CCommandBar::PaintContent(DC& dc, const Rect&) {
    Rect client;
    GetClientRect(client);
    FillSolid(dc, client, BarColour);
    FillSolid(dc, {0, client.bottom - 1, client.right, client.bottom}, BarEdgeColour);
    DrawMenuButton(dc);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        DrawButton(dc, buttons_[i], static_cast<int>(i) == pressed_);
    }
}

}  // namespace velinor
