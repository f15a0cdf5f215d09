#include "platform/window/frame.h"

#include "platform/resources/resources.h"
#include "platform/window/app.h"
#include "platform/window/command_bar.h"
#include "platform/window/resources.h"
#include "platform/window/window_system.h"

namespace velinor {

bool CFrameWnd::LoadFrame(uint32_t resourceId, uint32_t, CWnd*, void*) {
    constexpr Rect client{0, CommandBarHeight, ScreenWidth, ScreenHeight};
    CreateWindowAt(client, {0, 0, client.Width(), client.Height()}, false);
    if (const StringTemplate* title = FindStringResource(resourceId)) SetWindowText(title->text);
    if (auto icon = LoadIcon(static_cast<int>(resourceId), 32)) {
        WindowSystem::Current().GetBackend().SetIcon(*icon);
    }
    return true;
}

CMenu* CFrameWnd::GetMenu() {
    return commandBar_ != nullptr ? commandBar_->GetMenu() : nullptr;
}

void CFrameWnd::OnClose() {
    DestroyWindow();
}

bool CFrameWnd::DestroyWindow() {
    CWinApp* app = AfxGetApp();
    bool main = app != nullptr && app->GetMainWnd() == this;
    if (commandBar_ != nullptr) commandBar_->DestroyWindow();
    if (!CWnd::DestroyWindow()) return false;
    if (main) PostQuitMessage(0);
    return true;
}

void CFrameWnd::DrawNonClient(DC&) {
    WindowSystem::Current().GetBackend().SetTitle(GetWindowText());
}

void CFrameWnd::DefWindowProc(const Message& message) {
    switch (message.message) {
        case WM_COMMAND:
            if (CWinApp* app = AfxGetApp()) app->OnCmdMsg(message);
            break;
        case WM_CLOSE:
            OnClose();
            break;
        default:
            CWnd::DefWindowProc(message);
            break;
    }
}

}  // namespace velinor
