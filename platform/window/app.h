// The application object: starts the program's main window, runs the message loop, ends.
#pragma once

#include <memory>

#include "platform/window/message_map.h"
#include "platform/window/window.h"

namespace velinor {

class CWinApp : public CCmdTarget {
  public:
    // The one application of the program; AfxGetApp finds it from its construction on.
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }
    // The framework's own exit step: returns the exit code the quit message carried.
    virtual int ExitInstance();

    // The message loop until the quit message, then EndInstance.
    int Run();
    // ExitInstance, then the main window object goes; returns the exit code.
    int EndInstance();

    CWnd* GetMainWnd() const { return m_pMainWnd.get(); }

    // Application exit: asks the main window to close, as its close box would.
    void OnAppExit();

    // The application owns its main window object.
    std::unique_ptr<CWnd> m_pMainWnd;
    int m_nCmdShow = SW_SHOW;
};

CWinApp* AfxGetApp();

}  // namespace velinor
