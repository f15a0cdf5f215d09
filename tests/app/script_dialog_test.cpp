// velinor-script inside dialogs of the window system: a dialog from a template, the question
// it asks, and the colour chooser, opened by commands of a test application.
#include <gtest/gtest.h>

#include <sstream>

#include "app/resources.h"
#include "app/script/script_runner.h"
#include "platform/window/colour_chooser.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

constexpr uint32_t OpenDialog = 50001;
constexpr uint32_t OpenChooser = 50002;
constexpr int AskButton = 13;
constexpr int ChooseButton = 14;

constexpr ControlTemplate Controls[] = {
    {ControlClass::Button, 10, "first", {5, 5, 40, 9}, BS_AUTORADIOBUTTON | WS_GROUP},
    {ControlClass::Button, 11, "second", {5, 15, 40, 9}, BS_AUTORADIOBUTTON},
    {ControlClass::Edit, 12, "a \"word\"", {5, 30, 60, 12}, ES_AUTOHSCROLL | WS_GROUP},
    {ControlClass::Button, AskButton, "Ask", {5, 50, 30, 12}, BS_PUSHBUTTON},
    {ControlClass::Button, ChooseButton, "Colour", {40, 50, 30, 12}, BS_PUSHBUTTON},
};
constexpr DialogTemplate Dialogs[] = {{200, "Test", 100, 70, Controls}};

// What the dialog's buttons got: the question's answer, the chooser's result and colour.
struct Answers {
    int answer = 0;
    int chosen = -1;
    COLORREF colour = 0;
};

// Asks a question and chooses a colour on its buttons.
class TestDialog : public CDialog {
  public:
    explicit TestDialog(Answers& answers) : CDialog(200), answers_(answers) {}

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<AskButton, &TestDialog::OnAsk>,
            OnCommand<ChooseButton, &TestDialog::OnChoose>,
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnAsk() { answers_.answer = MessageBox("Sure?", "Question", MB_OKCANCEL); }
    void OnChoose() {
        COLORREF custom[CustomColourCount] = {};
        CHOOSECOLOR record{ChooseColorRecordSize, this, 0, custom, CC_RGBINIT};
        answers_.chosen = ChooseColor(record);
        answers_.colour = record.rgbResult;
    }
    Answers& answers_;
};

class TestApp : public GameApp {
  public:
    bool InitInstance() override {
        if (!GameApp::InitInstance()) return false;
        resources_ = ApplicationResources();
        resources_.dialogs = Dialogs;
        SetResources(resources_);
        return true;
    }
    int dialogResult = 0;
    Answers last;  // what the last dialog's buttons got
    int chooserResult = -1;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<OpenDialog, &TestApp::OnOpenDialog>,
            OnCommand<OpenChooser, &TestApp::OnOpenChooser>,
        };
        static const MessageMap map{GameApp::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnOpenDialog() {
        last = Answers{};
        TestDialog dialog(last);
        dialogResult = dialog.DoModal();
    }
    void OnOpenChooser() {
        COLORREF custom[CustomColourCount] = {};
        CHOOSECOLOR record{ChooseColorRecordSize, nullptr, 0, custom, 0};
        chooserResult = ChooseColor(record);
    }
    ResourceTable resources_;
};

struct ScriptResult {
    int status;
    std::string out;
    std::string err;
};

class ScriptDialogs : public ::testing::Test {
  protected:
    ScriptResult Script(const std::string& text) {
        std::istringstream in(text);
        std::ostringstream out, err;
        ScriptRunner runner(app, in, out, err);
        const int status = runner.Run();
        return {status, out.str(), err.str()};
    }
    TempStore store;
    TestApp app;
};

TEST_F(ScriptDialogs, LinesActInsideTheOpenDialogUntilItCloses) {
    const ScriptResult run = Script(
        "start\n"
        "command 50001\n"
        "controls\n"
        "click 11\n"
        "click 13\n"
        "controls\n"  // inside the question
        "answer CANCEL\n"
        "click 14\n"
        "colour 255 0 0\n"
        "controls\n"
        "ok\n"
        "command 50002\n"
        "colour cancel\n"
        "command 50001\n"
        "cancel\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "dialog 200 open\n"
              "10 radio 0 \"first\"\n"
              "11 radio 0 \"second\"\n"
              "12 edit 0 \"a \\\"word\\\"\"\n"
              "13 button 0 \"Ask\"\n"
              "14 button 0 \"Colour\"\n"
              "box \"Question\" \"Sure?\" OKCANCEL\n"
              "-1 label 0 \"Sure?\"\n"
              "1 button 0 \"OK\"\n"
              "2 button 0 \"Cancel\"\n"
              "colour open\n"
              "colour closed 1\n"
              "10 radio 0 \"first\"\n"
              "11 radio 1 \"second\"\n"
              "12 edit 0 \"a \\\"word\\\"\"\n"
              "13 button 0 \"Ask\"\n"
              "14 button 0 \"Colour\"\n"
              "dialog 200 closed 1\n"
              "colour open\n"
              "colour closed 2\n"
              "dialog 200 open\n"
              "dialog 200 closed 2\n");
    EXPECT_EQ(app.last.answer, 0) << "the second dialog asked nothing";
    EXPECT_EQ(app.dialogResult, IDCANCEL);
    EXPECT_EQ(app.chooserResult, 0);
}

TEST_F(ScriptDialogs, AnswersReachTheCode) {
    const ScriptResult run =
        Script("start\ncommand 50001\nclick 13\nanswer OK\nclick 14\ncolour 1 2 3\nok\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(app.dialogResult, IDOK);
    EXPECT_EQ(app.last.answer, IDOK);
    EXPECT_EQ(app.last.chosen, 1);
    EXPECT_EQ(app.last.colour, RGB(1, 2, 3));
}

TEST_F(ScriptDialogs, LinesThatCannotActInsideADialogStopTheRun) {
    const std::pair<const char*, const char*> cases[] = {
        {"click 99", "line 3: dialog 200 has no control 99\n"},
        {"answer OK", "line 3: a dialog is open, not a message box\n"},
        {"colour 1 2 3", "line 3: a dialog is open, not the colour chooser\n"},
        {"command 40003", "line 3: a dialog is open\n"},
        {"close", "line 3: a dialog is open\n"},
        {"click 14\nok", "line 4: the colour chooser is open, not a dialog\n"},
        {"click 13\ntap 5 5", "line 4: a message box is waiting for an answer\n"},
        {"click 13\nok", "line 4: a message box is waiting for an answer\n"},
        {"wait 10", "line 2: the script ended with a dialog of this line still open\n"},
    };
    for (auto [lines, error] : cases) {
        SCOPED_TRACE(lines);
        TestApp fresh;
        std::istringstream in(std::string("start\ncommand 50001\n") + lines + "\n");
        std::ostringstream out, err;
        ScriptRunner runner(fresh, in, out, err);
        EXPECT_EQ(runner.Run(), ScriptFailed);
        EXPECT_EQ(err.str(), error);
    }
}

}  // namespace
}  // namespace velinor::test
