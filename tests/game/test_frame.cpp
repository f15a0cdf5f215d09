#include "tests/game/test_frame.h"

#include <memory>

#include "game/clock.h"
#include "game/finish.h"
#include "game/hint.h"
#include "game/new_game.h"
#include "game/stylus.h"
#include "platform/window/window_system.h"

namespace velinor::test {

GameTestFrame::GameTestFrame(Board& board, GameState& state, Settings& settings)
    : game{board, state, settings, *this} {
    LoadFrame(128);
}

void GameTestFrame::OnLButtonDown(int x, int y) {
    velinor::OnLButtonDown(game, x, y);
}

void GameTestFrame::OnMouseMove(int x, int y) {
    velinor::OnMouseMove(game, x, y);
}

void GameTestFrame::OnLButtonDblClk(int x, int y) {
    velinor::OnLButtonDblClk(game, x, y);
}

void GameTestFrame::OnLButtonUp() {
    velinor::OnLButtonUp(game);
}

void GameTestFrame::OnTimer(uint32_t id) {
    velinor::OnTimer(game);
    CWnd::OnTimer(id);
}

// Painting's one duty towards the game: the clock reading of a game in play.
void GameTestFrame::OnPaint() {
    if (game.state.phase == Playing && game.state.introStart == 0)
        game.state.clockEnd = GetTickCount();
    if (validateOnly) {
        ValidateAll();
        return;
    }
    CPaintDC dc(this);
    paints.push_back({game.state.redrawMode, dc.Context().DeviceClip()});
}

std::vector<RedrawMode> GameTestFrame::PaintModes() const {
    std::vector<RedrawMode> modes;
    for (const Paint& paint : paints)
        modes.push_back(paint.mode);
    return modes;
}

void GameTestFrame::OnNewGame() {
    velinor::OnNewGame(game);
}

void GameTestFrame::OnPause() {
    velinor::OnPause(game);
}

void GameTestFrame::OnHint() {
    velinor::OnHint(game);
}

void GameTestFrame::OnShowSolution() {
    FinishGame(game);
}

void GameTestFrame::OnClose() {
    if (velinor::OnClose(game)) CFrameWnd::OnClose();
}

void GameTestFrame::StartIntro() {
    game.state.introFrame = 0;
    game.state.introStart = GetTickCount();
    game.state.timerId = SetTimer(MainTimerId, IntroTimerPeriod);
}

const MessageMap* GameTestFrame::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnMessage<WM_LBUTTONDOWN, &GameTestFrame::OnLButtonDown>,
        OnMessage<WM_PAINT, &GameTestFrame::OnPaint>,
        OnCommand<40005, &GameTestFrame::OnNewGame>,
        OnCommand<40007, &GameTestFrame::OnShowSolution>,
        OnMessage<WM_CLOSE, &GameTestFrame::OnClose>,
        OnMessage<WM_TIMER, &GameTestFrame::OnTimer>,
        OnCommand<40011, &GameTestFrame::OnNewGame>,
        OnCommand<40016, &GameTestFrame::OnShowSolution>,
        OnMessage<WM_LBUTTONDBLCLK, &GameTestFrame::OnLButtonDblClk>,
        OnCommand<40013, &GameTestFrame::OnHint>,
        OnCommand<40014, &GameTestFrame::OnHint>,
        OnMessage<WM_LBUTTONUP, &GameTestFrame::OnLButtonUp>,
        OnMessage<WM_MOUSEMOVE, &GameTestFrame::OnMouseMove>,
        OnCommand<40015, &GameTestFrame::OnPause>,
        OnCommand<40012, &GameTestFrame::OnPause>,
    };
    static const MessageMap map{CFrameWnd::GetMessageMap(), entries};
    return &map;
}

bool GameTestApp::InitInstance() {
    auto frame = std::make_unique<GameTestFrame>(board_, state_, settings_);
    InitSettings(settings_);
    velinor::OnNewGame(frame->game);
    m_pMainWnd = std::move(frame);
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    return true;
}

const MessageMap* GameTestApp::GetMessageMap() const {
    static constexpr MessageEntry entries[] = {
        OnCommand<40001, &CWinApp::OnAppExit>,
    };
    static const MessageMap map{CWinApp::GetMessageMap(), entries};
    return &map;
}

}  // namespace velinor::test
