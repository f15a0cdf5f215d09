#include "app/game_app.h"

#include <memory>

#include "app/resources.h"
#include "game/commands.h"

namespace velinor {

bool GameApp::InitInstance() {
    SetResources(ApplicationResources());
    auto frame = std::make_unique<MainFrame>();
    if (!frame->HasWindow()) return false;
    MainFrame& main = *frame;
    m_pMainWnd = std::move(frame);
    // The first paint comes before the offscreen buffer exists; painting lets it pass.
    main.ShowWindow(m_nCmdShow);
    main.UpdateWindow();
    Rect client;
    main.GetClientRect(client);
    CreateOffscreen(main.offscreen, client.Width(), client.Height());
    main.InvalidateRect(&client, true);
    main.SetWindowText("Velinor");
    return true;
}

int GameApp::ExitInstance() {
    if (MainFrame* main = Frame()) DestroyOffscreen(main->offscreen);
    return CWinApp::ExitInstance();
}

const MessageMap* GameApp::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnCommand<MenuExit, &CWinApp::OnAppExit>,
    };
    static const MessageMap map{CWinApp::GetMessageMap(), entries};
    return &map;
}

}  // namespace velinor
