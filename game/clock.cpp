#include "game/clock.h"

#include "platform/window/window_system.h"

namespace velinor {

void StartClockTimer(GameContext& game) {
    game.state.timerId = game.window.SetTimer(MainTimerId, ClockTimerPeriod);
}

void StopTimer(GameContext& game) {
    game.window.KillTimer(game.state.timerId);
}

void EndIntro(GameContext& game) {
    if (game.state.introStart == 0) return;
    game.state.introStart = 0;
    StopTimer(game);
}

void OnTimer(GameContext& game) {
    GameState& state = game.state;
    if (state.introStart != 0) {
        if (GetTickCount() - state.introStart <= IntroLength) {
            // After its first two frames the animation changes only its own areas.
            if (state.introFrame <= 1) {
                RequestRepaint(game.window);
            } else {
                game.window.InvalidateRect(&AnimRect, false);
                if (state.captionPending != 0) game.window.InvalidateRect(&CaptionRect, false);
            }
        } else {
            EndIntro(game);
            RequestRepaint(game.window);
            game.window.UpdateWindow();
        }
    } else if (state.phase == Playing && state.eventCount != 0) {
        state.redrawMode = RedrawStatus;
        RequestRepaint(game.window);
        game.window.UpdateWindow();
    }
}

void OnPause(GameContext& game) {
    GameState& state = game.state;
    if (state.eventCount == 0 || state.phase != Playing) return;
    state.pauseStart = GetTickCount();
    state.phase = Paused;
    StopTimer(game);
    state.redrawMode = RedrawFull;
    RequestRepaint(game.window);
}

void ResumeGame(GameContext& game) {
    GameState& state = game.state;
    state.clockStart += GetTickCount() - state.pauseStart;
    state.phase = Playing;
    StartClockTimer(game);
}

}  // namespace velinor
