#include "app/main_frame.h"

#include "app/resources.h"
#include "game/clock.h"
#include "game/commands.h"
#include "game/finish.h"
#include "game/hint.h"
#include "game/new_game.h"
#include "game/stylus.h"
#include "platform/window/window_system.h"
#include "render/paint.h"
#include "ui/about.h"
#include "ui/learn_rules.h"
#include "ui/menu_language.h"
#include "ui/options.h"

namespace velinor {

MainFrame::MainFrame() {
    LoadFrame(MainFrameResourceId, FWS_ADDTOTITLE, nullptr, nullptr);
    if (!commandBar.HasWindow()) {
        commandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR);
        commandBar.InsertMenuBar(MainFrameResourceId);
        commandBar.LoadToolBar(MainFrameResourceId);
    }
    InitSettings(settings);
    ApplyMenuLanguage(context);
    // Nothing has been played yet, so no question is asked.
    OnNewGame(context);
    state.introFrame = 0;
    state.introStart = GetTickCount();
    state.timerId = SetTimer(MainTimerId, IntroTimerPeriod);
}

const MessageMap* MainFrame::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_LBUTTONDOWN, &Route<OnLButtonDown, int, int>>,
        OnMessage<WM_PAINT, &MainFrame::OnPaint>,
        OnCommand<MenuAbout, &Route<OnAbout>>,
        OnCommand<MenuNewGame, &Route<OnNewGame>>,
        OnCommand<MenuOptions, &Route<OnOptions>>,
        OnCommand<MenuShowSolution, &Route<FinishGame>>,
        OnCommand<MenuLearnRules, &Route<OnLearnRules>>,
        OnMessage<WM_CLOSE, &MainFrame::OnClose>,
        OnMessage<WM_TIMER, &MainFrame::OnTimer>,
        OnCommand<ToolLearnRules, &Route<OnLearnRules>>,
        OnCommand<ToolNewGame, &Route<OnNewGame>>,
        OnCommand<ToolOptions, &Route<OnOptions>>,
        OnCommand<ToolShowSolution, &Route<FinishGame>>,
        OnMessage<WM_LBUTTONDBLCLK, &Route<OnLButtonDblClk, int, int>>,
        OnCommand<MenuHint, &Route<OnHint>>,
        OnCommand<ToolHint, &Route<OnHint>>,
        OnMessage<WM_LBUTTONUP, &Route<OnLButtonUp>>,
        OnMessage<WM_MOUSEMOVE, &Route<OnMouseMove, int, int>>,
        OnCommand<MenuPause, &Route<OnPause>>,
        OnCommand<ToolPause, &Route<OnPause>>,
    };
    static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
    return &map;
}

void MainFrame::OnPaint() {
    PaintMainWindow(offscreen, introScene, context);
}

void MainFrame::OnClose() {
    if (velinor::OnClose(context)) CFrameWnd::OnClose();
}

void MainFrame::OnTimer(uint32_t id) {
    velinor::OnTimer(context);
    CWnd::OnTimer(id);
}

}  // namespace velinor
