// The open menu: a popup of items under the command bar's menu button.
#pragma once

#include <cstdint>

#include "platform/window/window.h"

namespace velinor {

class CMenu;

class PopupMenu : public CWnd {
  public:
    // Where the popup stands and what it does with a chosen item: the bar gets told.
    class Owner {
      public:
        virtual void MenuChosen(uint32_t command) = 0;
        virtual void MenuClosed() = 0;
        // A release here leaves the popup open (it was the tap that opened it).
        virtual bool KeepsOpen(Point screen) const = 0;

      protected:
        ~Owner() = default;
    };

    // Opens the popup's window with its top-left corner at `screenTopLeft`.
    void Open(Owner& owner, const CMenu& menu, Point screenTopLeft);
    // The item at a position, in screen pixels (empty when closed or out of range).
    Rect ItemRect(int position) const;
    bool DestroyWindow() override;

  protected:
    void DefWindowProc(const Message& message) override;
    void DrawNonClient(DC& dc) override;
    void PaintContent(DC& dc, const Rect& clip) override;

  private:
    int ItemAt(Point client) const;
    void Highlight(int position);

    Owner* owner_ = nullptr;
    const CMenu* menu_ = nullptr;
    int highlighted_ = -1;
};

}  // namespace velinor
