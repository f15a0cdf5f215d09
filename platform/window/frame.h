// The frame window: the program's main window, under its command bar, filling the screen.
#pragma once

#include <cstdint>

#include "platform/window/window.h"

namespace velinor {

class CCommandBar;

class CFrameWnd : public CWnd {
  public:
    // Makes the window from the resources with this identifier: its title from the string
    // resource, the application's icon from the icon resource. The frame starts hidden;
    // ShowWindow shows it. Parent and context are unused.
    bool LoadFrame(uint32_t resourceId, uint32_t style = FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   void* context = nullptr);

    // The menu of the frame's command bar.
    CMenu* GetMenu() override;
    void SetCommandBar(CCommandBar* bar) { commandBar_ = bar; }

    // The frame's normal close: the window goes, and with the main window the message loop.
    void OnClose();
    bool DestroyWindow() override;

  protected:
    // Commands no table of the frame takes go on to the application's table.
    void DefWindowProc(const Message& message) override;
    // The frame's title bar is the back end's: its window title.
    void DrawNonClient(DC& dc) override;

  private:
    CCommandBar* commandBar_ = nullptr;
};

}  // namespace velinor
