#include "ui/options.h"

#include "game/clock.h"
#include "game/new_game.h"
#include "ui/menu_language.h"
#include "ui/options_dialog.h"

namespace velinor {

void OnOptions(GameContext& context) {
    GameState& state = context.state;
    Settings& settings = context.settings;
    EndIntro(context);
    if (state.phase == Paused) return;
    const int32_t startDifficulty = settings.difficulty;
    const bool gameAborted = state.eventCount != 0 && state.phase == Playing;
    if (gameAborted) {
        const int32_t language = settings.language;
        if (context.window.MessageBox(
                Localized(language, "This will abort the current game. Continue?",
                          "Cela va arrêter la partie en-cours. Continuer?"),
                Localized(language, "Warning", "Attention"), MB_OKCANCEL) != IDOK)
            return;
    }
    state.eventCount = 0;
    StopTimer(context);

    OptionsDialog dialog(settings, state);
    dialog.DoModal();

    ApplyMenuLanguage(context);
    SaveSettings(settings);
    // An aborted game is never taken up again: a new one starts whatever was chosen.
    if (!gameAborted && settings.difficulty == startDifficulty) {
        StartClockTimer(context);
    } else {
        OnNewGame(context);
    }
}

}  // namespace velinor
