// A small program on the window system, shaped like the game's shell: a frame under a command
// bar with menu 128 and toolbar 128, a table of handlers that note what reaches them, and a
// dialog template in the way of the Options dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/app.h"
#include "platform/window/command_bar.h"
#include "platform/window/dialog.h"
#include "platform/window/frame.h"
#include "platform/window/resources.h"

namespace velinor::test {

using Log = std::vector<std::string>;

constexpr MenuItemTemplate SampleMenuItems[] = {
    {"New Game", 40005},    {"Pause", 40015},   {"Hint", 40013},  {"Show solution", 40007},
    {"Learn rules", 40008}, {"Options", 40004}, {"About", 40003}, {"Exit", 40001},
};
constexpr PopupTemplate SamplePopups[] = {{"Menu", SampleMenuItems}};
constexpr MenuTemplate SampleMenus[] = {{128, SamplePopups}};
constexpr uint32_t SampleButtons[] = {40009, 40010, ID_SEPARATOR, 40011, 40014, 40016, 40012};
constexpr ToolbarTemplate SampleToolbars[] = {{128, 17, 17, SampleButtons}};

constexpr uint32_t SampleDialogId = 104;
constexpr ControlTemplate SampleControls[] = {
    {ControlClass::Button, 1018, "easy", {85, 70, 40, 9}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 1019, "medium", {85, 80, 40, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Button, 1020, "hard", {85, 90, 39, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Edit, 1024, "", {7, 105, 123, 12}, ES_AUTOHSCROLL},
};
constexpr DialogTemplate SampleDialogs[] = {{SampleDialogId, "Options", 167, 174, SampleControls}};

constexpr ResourceTable SampleResources{SampleMenus, SampleToolbars, {}, SampleDialogs};

// The Options dialog's way of working: a radio group and a text exchanged with members.
class SampleDialog : public CDialog {
  public:
    SampleDialog() : CDialog(SampleDialogId) {}

    // The members the controls are filled from when the dialog opens.
    int difficulty = -1;
    std::string summary = "Total played: 3 during 3'0\"4";

  protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// Notes every message the table routes, as "down 10,20", "command 40005", "timer 1"...
class SampleFrame : public CFrameWnd {
  public:
    SampleFrame();

    Log log;
    // The log without its paints.
    Log Input() const {
        Log input = log;
        std::erase(input, "paint");
        return input;
    }
    CCommandBar commandBar;
    // What the paint handler does; by default it paints nothing and only validates.
    std::function<void(CPaintDC&)> painter;

    void OnLButtonDown(int x, int y) { Note("down", x, y); }
    void OnLButtonDblClk(int x, int y) { Note("double", x, y); }
    void OnLButtonUp(int x, int y) { Note("up", x, y); }
    void OnMouseMove(int x, int y) { Note("move", x, y); }
    void OnPaint();
    void OnTimer(uint32_t id);
    void OnNewGame() { log.push_back("new game"); }
    void OnHint() { log.push_back("hint"); }

  protected:
    const MessageMap* GetMessageMap() const override;

  private:
    void Note(const char* what, int x, int y) {
        log.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

// The start-up of the game's shell: frame, shown and painted at once, titled.
class SampleApp : public CWinApp {
  public:
    bool InitInstance() override;
    SampleFrame& Frame() { return static_cast<SampleFrame&>(*m_pMainWnd); }
};

}  // namespace velinor::test
