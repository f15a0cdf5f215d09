// The application: starts the main window, owns it while the program runs, and takes Exit.
#pragma once

#include "app/main_frame.h"
#include "platform/window/app.h"

namespace velinor {

class GameApp : public CWinApp {
  public:
    // The main window, shown and painted, its offscreen buffer made, titled "Velinor".
    bool InitInstance() override;
    // Releases the offscreen buffer; nothing is saved.
    int ExitInstance() override;

    // The main window while there is one.
    MainFrame* Frame() const { return static_cast<MainFrame*>(GetMainWnd()); }

  protected:
    const MessageMap* GetMessageMap() const override;
};

}  // namespace velinor
