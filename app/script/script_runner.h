// velinor-script's interpreter: the whole program on the headless back end, driven line by line.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "app/game_app.h"
#include "app/script/script_line.h"
#include "platform/headless/headless.h"

namespace velinor {

constexpr int ScriptFailed = 2;

class ScriptRunner {
  public:
    // What the script prints goes to `out`; the reason it stopped, "line N: reason", to `err`.
    ScriptRunner(GameApp& app, std::istream& in, std::ostream& out, std::ostream& err);

    // Runs the script to its end, then ends the program if it still runs. 0, or ScriptFailed
    // after a line that could not act.
    int Run();

    // Where `shot` lines go: by default a PNG file at the path the line names. False, with the
    // reason, stops the script.
    using ShotWriter =
        std::function<bool(const Bitmap& screen, const std::string& file, std::string* why)>;
    void WriteShotsWith(ShotWriter writer) { writeShot_ = std::move(writer); }

  private:
    // Reads and acts on one line; false at the end of the script or once stopped.
    bool Step();
    void Act(const ScriptLine& line);
    // A box or dialog opened: the lines that follow act inside it until it closes.
    void InsideModal(CDialog& modal);
    void Fail(const std::string& why) { FailAt(lineNumber_, why); }
    void FailAt(int line, const std::string& why);

    bool RequireBeforeStart(const char* word);
    bool RequireRunning();
    bool RequireNoModal(bool dialogAllowed);
    CDialog* RequireModal(ModalKind kind);
    bool Resolve(const ScriptPosition& position, Point& point);

    void Start();
    void Stylus(const ScriptLine& line);
    void StoreValue(const ScriptLine& line);
    void Answer(int button);
    void PrintRegistry();
    void PrintControls();
    void Print(const std::string& text);

    GameApp& app_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    HeadlessDriver driver_;
    ShotWriter writeShot_;
    int lineNumber_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool stopped_ = false;
};

}  // namespace velinor
