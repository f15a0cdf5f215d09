#include "platform/window/popup_menu.h"

#include <algorithm>

#include "platform/gdi/text.h"
#include "platform/window/menu.h"
#include "platform/window/theme.h"
#include "platform/window/window_system.h"

namespace velinor {
namespace {

constexpr int ItemHeight = 20;
constexpr int ItemPadding = 10;
constexpr int MinWidth = 96;

Rect ClientItemRect(int position, int width) {
    return {0, position * ItemHeight, width, (position + 1) * ItemHeight};
}

}  // namespace

void PopupMenu::Open(Owner& owner, const CMenu& menu, Point screenTopLeft) {
    owner_ = &owner;
    menu_ = &menu;
    highlighted_ = -1;
    int width = MinWidth;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        width = std::max(width, TextWidth(menu.GetMenuString(i)) + 2 * ItemPadding);
    }
    Size size{width + 2, menu.GetMenuItemCount() * ItemHeight + 2};
    Rect place{screenTopLeft.x, screenTopLeft.y, screenTopLeft.x + size.width,
               screenTopLeft.y + size.height};
    SetCastsShadow(true);
    CreateWindowAt(place, {1, 1, size.width - 1, size.height - 1}, true);
    WindowSystem::Current().SetPopup(this);
}

Rect PopupMenu::ItemRect(int position) const {
    if (!HasWindow() || position < 0 || position >= menu_->GetMenuItemCount()) return {};
    Rect client;
    GetClientRect(client);
    Rect r = ClientItemRect(position, client.Width());
    Point origin = ScreenToClient({0, 0});
    return {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

bool PopupMenu::DestroyWindow() {
    if (!CWnd::DestroyWindow()) return false;
    if (owner_ != nullptr) owner_->MenuClosed();
    return true;
}

int PopupMenu::ItemAt(Point client) const {
    Rect area;
    GetClientRect(area);
    if (!area.Contains(client)) return -1;
    return client.y / ItemHeight;
}

void PopupMenu::Highlight(int position) {
    if (position == highlighted_) return;
    Rect client;
    GetClientRect(client);
    for (int p : {highlighted_, position}) {
        if (p < 0) continue;
        Rect r = ClientItemRect(p, client.Width());
        InvalidateRect(&r, true);
    }
    highlighted_ = position;
}

void PopupMenu::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
            Highlight(ItemAt(message.point));
            break;
        case WM_LBUTTONUP: {
            int position = ItemAt(message.point);
            Point origin = ScreenToClient({0, 0});
            Point screen{message.point.x - origin.x, message.point.y - origin.y};
            if (position < 0 && owner_->KeepsOpen(screen)) {
                Highlight(-1);
                break;
            }
            uint32_t command = position < 0 ? NoMenuItem : menu_->GetMenuItemID(position);
            Owner* owner = owner_;
            DestroyWindow();
            if (command != NoMenuItem) owner->MenuChosen(command);
            break;
        }
        default:
            CWnd::DefWindowProc(message);
            break;
    }
}

void PopupMenu::DrawNonClient(DC& dc) {
    Rect window = WindowRect();
    FrameSolid(dc, {0, 0, window.Width(), window.Height()}, InkColour);
}

void PopupMenu::PaintContent(DC& dc, const Rect& clip) {
    Rect client;
    GetClientRect(client);
    for (int i = 0; i < menu_->GetMenuItemCount(); ++i) {
        Rect r = ClientItemRect(i, client.Width());
        if (Intersect(r, clip).IsEmpty()) continue;
        bool lit = i == highlighted_;
        FillSolid(dc, r, lit ? CaptionColour : PaperColour);
        Rect text{r.left + ItemPadding, r.top, r.right - ItemPadding, r.bottom};
        DrawLabel(dc, menu_->GetMenuString(i), text, lit ? PaperColour : InkColour,
                  TextLeft | TextVCentre);
    }
}

}  // namespace velinor
