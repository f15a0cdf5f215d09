// Options on the headless back end: the game's test main window with a command bar and its
// menu, Options routed to OnOptions, a registry file of its own and a fresh 5 x 5 game.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/headless/headless.h"
#include "platform/window/command_bar.h"
#include "tests/game/test_frame.h"
#include "tests/support/temp_store.h"
#include "ui/dialog_templates.h"
#include "ui/options.h"
#include "ui/options_dialog.h"

namespace velinor::test {

inline constexpr MenuItemTemplate GameMenuItems[] = {
    {"New Game", MenuNewGame},
    {"Pause", MenuPause},
    {"Hint", MenuHint},
    {"Show solution", MenuShowSolution},
    {"Learn rules", MenuLearnRules},
    {"Options", MenuOptions},
    {"About", MenuAbout},
    {"Exit", MenuExit},
};
inline constexpr PopupTemplate GamePopups[] = {{"Menu", GameMenuItems}};
inline constexpr MenuTemplate GameMenus[] = {{128, GamePopups}};

class OptionsTestFrame : public GameTestFrame {
  public:
    OptionsTestFrame(Board& board, GameState& state, Settings& settings)
        : GameTestFrame(board, state, settings) {
        commandBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR);
        commandBar.InsertMenuBar(128);
    }
    CCommandBar commandBar;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<MenuOptions, &OptionsTestFrame::OnOptionsCommand>,
            OnCommand<ToolOptions, &OptionsTestFrame::OnOptionsCommand>,
        };
        static const MessageMap map{GameTestFrame::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnOptionsCommand() { OnOptions(game); }
};

class OptionsFixture : public ::testing::Test {
  protected:
    OptionsFixture() {
        InitSettings(settings);
        OnNewGame(game);
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
    }

    // Runs Options; `inside` acts in the open dialog, which is cancelled if left open.
    void RunOptions(std::function<void(CDialog&)> inside, uint32_t command = MenuOptions) {
        driver.AnswerNext(std::move(inside));
        driver.Command(command);
    }
    void Answer(int button) {
        driver.AnswerNext([this, button](CDialog&) { driver.Click(button); });
    }
    CDialog& Dialog() const { return *driver.OpenModal(); }
    std::string Text(int id) const { return Dialog().GetDlgItemText(id); }
    std::optional<uint32_t> NextTimer() {
        return driver.System().Timers().TimeToNextDue(driver.Now());
    }
    // What the registry holds; none when nothing was saved.
    std::optional<Settings> Stored() const {
        Settings stored{.versionText = ProgramVersion};  // written, never read back
        if (LoadSettings(stored) != 0) return std::nullopt;
        return stored;
    }
    // A tap on the grid: the clock starts, a game is in progress.
    void TouchGrid() { driver.Tap(board.originX + 1, board.originY + 1); }

    TempStore store;
    HeadlessDriver driver;
    Board board;
    GameState state;
    Settings settings;
    CWinApp app;
    OptionsTestFrame& frame{Open()};
    GameContext& game{frame.game};

  private:
    OptionsTestFrame& Open() {
        static const ResourceTable resources{GameMenus, {}, {}, GameDialogTemplates()};
        SetResources(resources);
        app.m_pMainWnd = std::make_unique<OptionsTestFrame>(board, state, settings);
        return static_cast<OptionsTestFrame&>(*app.m_pMainWnd);
    }
};

}  // namespace velinor::test
