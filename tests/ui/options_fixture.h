// Options on the game's test main window with a command bar and its menu, Options routed to
// OnOptions, and the program's resources.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/resources.h"
#include "platform/window/command_bar.h"
#include "tests/game/game_fixture.h"
#include "ui/dialog_templates.h"
#include "ui/options.h"
#include "ui/options_dialog.h"

namespace velinor::test {

class OptionsTestFrame : public GameTestFrame {
  public:
    OptionsTestFrame(Board& board, GameState& state, Settings& settings)
        : GameTestFrame(board, state, settings) {
        SetResources(ApplicationResources());
        commandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR);
        commandBar.InsertMenuBar(128);
    }
    CCommandBar commandBar;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<MenuOptions, &OptionsTestFrame::OnOptionsCommand>,
        };
        static const MessageMap map{GameTestFrame::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnOptionsCommand() { OnOptions(game); }
};

class OptionsFixture : public BasicGameFixture<OptionsTestFrame> {
  protected:
    // Runs Options; `inside` acts in the open dialog, which is cancelled if left open.
    void RunOptions(std::function<void(CDialog&)> inside) {
        driver.AnswerNext(std::move(inside));
        Command(MenuOptions);
    }
    CDialog& Dialog() const { return *driver.OpenModal(); }
    std::optional<uint32_t> NextTimer() {
        return driver.System().Timers().TimeToNextDue(driver.Now());
    }
    // What the registry holds; none when nothing was saved.
    std::optional<Settings> Stored() const {
        Settings stored{.versionText = ProgramVersion};  // written, never read back
        if (LoadSettings(stored) != 0) return std::nullopt;
        return stored;
    }
};

}  // namespace velinor::test
