// The command bar at the top of the screen: the menu button and the toolbar's buttons.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/window/menu.h"
#include "platform/window/popup_menu.h"
#include "platform/window/window.h"

namespace velinor {

class CFrameWnd;

class CCommandBar : public CWnd, private PopupMenu::Owner {
  public:
    // Makes the bar's window along the top of the screen, as the frame's command bar. The
    // identifier is the bar's own and plays no part.
    bool Create(CFrameWnd* parent, uint32_t style, uint32_t id);
    // The menu resource becomes the bar's menu: a button named after its first popup.
    bool InsertMenuBar(uint32_t menuId);
    // The toolbar resource's buttons, with the images of the bitmap of the same identifier.
    bool LoadToolBar(uint32_t toolbarId);

    CMenu* GetMenu() override { return menu_.get(); }
    bool DestroyWindow() override;

    // Where things are, in screen pixels (the bar's own pixels: it sits at the screen's top).
    Rect MenuButtonRect() const;
    // The button of a toolbar command; empty when there is none.
    Rect ButtonRect(uint32_t command) const;
    // An item of the open menu; empty while the menu is closed.
    Rect MenuItemRect(int position) const { return popup_.ItemRect(position); }
    bool IsMenuOpen() const { return popup_.HasWindow(); }

  protected:
    void DefWindowProc(const Message& message) override;
    void PaintContent(DC& dc, const Rect& clip) override;

  private:
    struct Button {
        uint32_t command = 0;  // ID_SEPARATOR for a gap
        int image = -1;
        Rect rect;
    };

    void MenuChosen(uint32_t command) override;
    void MenuClosed() override;
    bool KeepsOpen(Point screen) const override;

    void LayOutButtons();
    int ButtonAt(Point p) const;
    void SetPressed(int button);
    void InvalidateMenuButton();
    void DrawMenuButton(DC& dc);
    void DrawButton(DC& dc, const Button& button, bool pressed);

    CFrameWnd* parent_ = nullptr;
    std::unique_ptr<CMenu> menu_;
    std::vector<Button> buttons_;
    std::optional<Bitmap> images_;
    Size imageSize_{};
    int held_ = -1;     // the button the stylus went down on
    int pressed_ = -1;  // the button drawn pressed: the held one while the stylus is on it
    PopupMenu popup_;
};

}  // namespace velinor
