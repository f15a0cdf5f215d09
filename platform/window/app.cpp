#include "platform/window/app.h"

#include "platform/window/window_system.h"

namespace velinor {
namespace {

CWinApp* application = nullptr;

}  // namespace

CWinApp::CWinApp() {
    application = this;
}

CWinApp::~CWinApp() {
    if (application == this) application = nullptr;
}

CWinApp* AfxGetApp() {
    return application;
}

int CWinApp::ExitInstance() {
    return WindowSystem::Current().ExitCode();
}

int CWinApp::Run() {
    WindowSystem::Current().RunUntil([] { return false; });
    return EndInstance();
}

int CWinApp::EndInstance() {
    int code = ExitInstance();
    m_pMainWnd.reset();
    return code;
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

}  // namespace velinor
