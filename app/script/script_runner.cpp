#include "app/script/script_runner.h"

#include <cstdio>
#include <vector>

#include "app/script/state_dump.h"
#include "game/game_state.h"
#include "platform/random/random.h"
#include "platform/registry/registry.h"
#include "platform/window/colour_chooser.h"
#include "platform/window/message_box.h"
#include "store/registry_schema.h"

namespace velinor {

namespace {

const char* ModalName(ModalKind kind) {
    switch (kind) {
        case ModalKind::MessageBox:
            return "a message box";
        case ModalKind::ColourChooser:
            return "the colour chooser";
        default:
            return "a dialog";
    }
}

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
            return "button";
        case ControlKind::RadioButton:
            return "radio";
        case ControlKind::GroupBox:
            return "group";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Picture:
            return "picture";
        default:
            return "label";
    }
}

std::string TypeName(uint32_t type) {
    if (type == REG_SZ) return "SZ";
    if (type == REG_DWORD) return "DWORD";
    return std::to_string(type);
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return "-";
    std::string text;
    for (uint8_t byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

}  // namespace

ScriptRunner::ScriptRunner(GameApp& app, std::istream& in, std::ostream& out, std::ostream& err)
    : app_(app), in_(in), out_(out), err_(err) {
    driver_.AnswerEvery([this](CDialog& modal) { InsideModal(modal); });
}

int ScriptRunner::Run() {
    while (Step()) {
    }
    if (started_ && !ended_) app_.EndInstance();
    return stopped_ ? ScriptFailed : 0;
}

bool ScriptRunner::Step() {
    std::string text;
    if (stopped_ || !std::getline(in_, text)) return false;
    ++lineNumber_;
    ScriptLine line;
    std::string why;
    if (!ParseScriptLine(text, line, why)) {
        Fail(why);
        return false;
    }
    Act(line);
    return !stopped_;
}

void ScriptRunner::FailAt(int line, const std::string& why) {
    if (stopped_) return;
    stopped_ = true;
    err_ << "line " << line << ": " << why << std::endl;
}

void ScriptRunner::Print(const std::string& text) {
    out_ << text << std::endl;
}

void ScriptRunner::InsideModal(CDialog& modal) {
    if (stopped_) return;
    const int opener = lineNumber_;
    const ModalKind kind = modal.Kind();
    if (auto* box = dynamic_cast<MessageBoxDialog*>(&modal)) {
        Print("box " + JsonString(box->Caption()) + " " + JsonString(box->Text()) +
              (box->Type() == MB_OKCANCEL ? " OKCANCEL" : " OK"));
    } else if (kind == ModalKind::ColourChooser) {
        Print("colour open");
    } else {
        Print("dialog " + std::to_string(modal.TemplateId()) + " open");
    }
    while (modal.InModal()) {
        if (!Step()) {
            FailAt(opener, std::string("the script ended with ") + ModalName(kind) +
                               " of this line still open");
            return;
        }
    }
    if (kind == ModalKind::ColourChooser) {
        Print("colour closed " + std::to_string(modal.Result()));
    } else if (kind == ModalKind::Dialog) {
        Print("dialog " + std::to_string(modal.TemplateId()) + " closed " +
              std::to_string(modal.Result()));
    }
}

bool ScriptRunner::RequireBeforeStart(const char* word) {
    if (!started_) return true;
    Fail(std::string("'") + word + "' must come before 'start'");
    return false;
}

bool ScriptRunner::RequireRunning() {
    if (!started_) {
        Fail("the program has not started");
    } else if (ended_) {
        Fail("the program has ended");
    }
    return started_ && !ended_;
}

// The main window takes nothing while a box waits; the stylus may still work a dialog.
bool ScriptRunner::RequireNoModal(bool dialogAllowed) {
    const CDialog* modal = driver_.OpenModal();
    if (modal == nullptr) return true;
    if (modal->Kind() == ModalKind::MessageBox) {
        Fail("a message box is waiting for an answer");
        return false;
    }
    if (dialogAllowed) return true;
    Fail(std::string(ModalName(modal->Kind())) + " is open");
    return false;
}

CDialog* ScriptRunner::RequireModal(ModalKind kind) {
    CDialog* modal = driver_.OpenModal();
    if (modal != nullptr && modal->Kind() == kind) return modal;
    const std::string wanted = kind == ModalKind::MessageBox      ? "message box"
                               : kind == ModalKind::ColourChooser ? "colour chooser"
                                                                  : "dialog";
    if (modal == nullptr) {
        Fail("no " + wanted + " is open");
    } else if (modal->Kind() == ModalKind::MessageBox) {
        Fail("a message box is waiting for an answer");
    } else {
        Fail(std::string(ModalName(modal->Kind())) + " is open, not " +
             (kind == ModalKind::ColourChooser ? "the " : "a ") + wanted);
    }
    return nullptr;
}

bool ScriptRunner::Resolve(const ScriptPosition& position, Point& point) {
    if (!position.cell) {
        point = {position.x, position.y};
        return true;
    }
    const Board& board = app_.Frame()->board;
    if (!InGrid(board, static_cast<int16_t>(position.x), static_cast<int16_t>(position.y))) {
        Fail("cell " + std::to_string(position.x) + " " + std::to_string(position.y) +
             " is not on the " + std::to_string(board.gridSize) + " x " +
             std::to_string(board.gridSize) + " board");
        return false;
    }
    point = {board.originX + CellSize * position.x + CellSize / 2,
             board.originY + CellSize * position.y + CellSize / 2};
    return true;
}

void ScriptRunner::Act(const ScriptLine& line) {
    switch (line.kind) {
        case LineKind::Empty:
            break;
        case LineKind::Seed:
            if (RequireBeforeStart("seed")) SeedRandom(line.seed);
            break;
        case LineKind::Reg:
            if (RequireBeforeStart("reg")) StoreValue(line);
            break;
        case LineKind::Start:
            Start();
            break;
        case LineKind::Wait:
            driver_.Wait(static_cast<uint32_t>(line.number));
            break;
        case LineKind::Press:
        case LineKind::Move:
        case LineKind::Release:
        case LineKind::Tap:
        case LineKind::Drag:
            if (RequireRunning() && RequireNoModal(true)) Stylus(line);
            break;
        case LineKind::Command:
            if (RequireRunning() && RequireNoModal(false))
                driver_.Command(static_cast<uint32_t>(line.number));
            break;
        case LineKind::Close:
            if (RequireRunning() && RequireNoModal(false)) driver_.Close();
            break;
        case LineKind::Answer:
            Answer(static_cast<int>(line.number));
            break;
        case LineKind::Click:
            if (CDialog* dialog = RequireModal(ModalKind::Dialog);
                dialog != nullptr && !driver_.Click(static_cast<int>(line.number)))
                Fail("dialog " + std::to_string(dialog->TemplateId()) + " has no control " +
                     std::to_string(line.number));
            break;
        case LineKind::Ok:
        case LineKind::Cancel:
            if (RequireModal(ModalKind::Dialog) != nullptr)
                driver_.Click(line.kind == LineKind::Ok ? IDOK : IDCANCEL);
            break;
        case LineKind::Colour:
            if (RequireModal(ModalKind::ColourChooser) != nullptr)
                driver_.ChooseColour(line.colour);
            break;
        case LineKind::ColourCancel:
            if (RequireModal(ModalKind::ColourChooser) != nullptr) driver_.Click(IDCANCEL);
            break;
        case LineKind::Shot: {
            std::string why;
            const bool written = writeShot_ ? writeShot_(driver_.Screen(), line.text, &why)
                                            : driver_.WriteScreenPng(line.text, &why);
            if (!written) Fail(why);
            break;
        }
        case LineKind::Dump:
            if (RequireRunning()) {
                MainFrame& frame = *app_.Frame();
                Print(DumpState(frame, driver_.System().Timers().PeriodOf({&frame, MainTimerId})));
            }
            break;
        case LineKind::Registry:
            PrintRegistry();
            break;
        case LineKind::Controls:
            PrintControls();
            break;
    }
    // Exit or a close request let the main window go: the program ends here.
    if (started_ && !ended_ && driver_.System().QuitPosted()) {
        ended_ = true;
        app_.EndInstance();
    }
}

void ScriptRunner::Start() {
    if (started_) {
        Fail("the program has already started");
        return;
    }
    started_ = true;
    if (!app_.InitInstance()) {
        Fail("the program could not start");
        ended_ = true;
        return;
    }
    driver_.Wait(0);
}

void ScriptRunner::Stylus(const ScriptLine& line) {
    std::vector<Point> points;
    for (const ScriptPosition& position : line.positions) {
        if (!Resolve(position, points.emplace_back())) return;
    }
    const Point p = points.front();
    switch (line.kind) {
        case LineKind::Press:
            driver_.Press(p.x, p.y);
            break;
        case LineKind::Move:
            driver_.Move(p.x, p.y);
            break;
        case LineKind::Release:
            driver_.Release(p.x, p.y);
            break;
        case LineKind::Tap:
            driver_.Tap(p.x, p.y);
            break;
        default:
            driver_.Drag(points);
            break;
    }
}

void ScriptRunner::StoreValue(const ScriptLine& line) {
    HKEY key = nullptr;
    RegResult status = RegCreateKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, SettingsKeyClass, &key);
    if (status == ErrorSuccess) {
        RegSetValueEx(key, line.text.c_str(), line.type, line.bytes.data(),
                      static_cast<uint32_t>(line.bytes.size()));
        status = RegCloseKey(key);
    }
    if (status != ErrorSuccess)
        Fail("cannot write to the store (error " + std::to_string(status) + ")");
}

void ScriptRunner::Answer(int button) {
    auto* box = dynamic_cast<MessageBoxDialog*>(RequireModal(ModalKind::MessageBox));
    if (box == nullptr) return;
    if (button == IDCANCEL && box->Type() != MB_OKCANCEL) {
        Fail("the message box has no Cancel button");
        return;
    }
    driver_.Click(button);
}

void ScriptRunner::PrintRegistry() {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, SettingsKeyPath, &key) != ErrorSuccess) return;
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
    for (uint32_t i = 0; RegEnumValue(key, i, &name, &type, &bytes) == ErrorSuccess; ++i)
        Print(name + " " + TypeName(type) + " " + Hex(bytes));
    RegCloseKey(key);
}

void ScriptRunner::PrintControls() {
    const CDialog* modal = driver_.OpenModal();
    if (modal == nullptr) {
        Fail("no dialog is open");
        return;
    }
    for (const Control& c : modal->Controls())
        Print(std::to_string(c.id) + " " + ControlKindName(c.kind) + " " + (c.checked ? "1" : "0") +
              " " + JsonString(c.text));
}

}  // namespace velinor
