#include "app/script/state_dump.h"

#include <cstdio>
#include <initializer_list>

#include "platform/window/menu.h"

namespace velinor {

namespace {

// Builds an object field by field; fields are separated as they come.
class JsonObject {
  public:
    JsonObject() : text_("{") {}

    JsonObject& Raw(const char* name, std::string_view json) {
        if (text_.size() > 1) text_ += ", ";
        text_ += JsonString(name);
        text_ += ": ";
        text_ += json;
        return *this;
    }
    template <class Int>
    JsonObject& Number(const char* name, Int value) {
        return Raw(name, std::to_string(value));
    }
    std::string Close() { return text_ + "}"; }

  private:
    std::string text_;
};

std::string JsonArray(std::initializer_list<std::string> items) {
    std::string text = "[";
    for (const std::string& item : items)
        text += (text.size() > 1 ? ", " : "") + item;
    return text + "]";
}

std::string LayerJson(const Layer& layer) {
    std::string text = "[";
    for (size_t i = 0; i < layer.size(); ++i)
        text += (i > 0 ? "," : "") + std::to_string(layer[i]);
    return text + "]";
}

std::string CellJson(Cell c) {
    return JsonArray({std::to_string(c.x), std::to_string(c.y)});
}

std::string BoardJson(const Board& board) {
    return JsonObject()
        .Number("gridSize", board.gridSize)
        .Number("originX", board.originX)
        .Number("originY", board.originY)
        .Raw("solution", LayerJson(board.solution))
        .Raw("player", LayerJson(board.player))
        .Raw("errorMarks", LayerJson(board.errorMarks))
        .Raw("revealed", LayerJson(board.revealed))
        .Raw("traceMarks", LayerJson(board.traceMarks))
        .Close();
}

std::string GameJson(const GameState& state, std::optional<uint32_t> timerPeriod) {
    const std::string timer = JsonObject()
                                  .Raw("running", timerPeriod ? "true" : "false")
                                  .Number("period", timerPeriod.value_or(0))
                                  .Close();
    return JsonObject()
        .Number("phase", static_cast<uint32_t>(state.phase))
        .Number("exampleMode", state.exampleMode)
        .Number("eventCount", state.eventCount)
        .Number("clockStart", state.clockStart)
        .Number("clockEnd", state.clockEnd)
        .Number("pauseStart", state.pauseStart)
        .Number("elapsedMs", state.elapsedMs)
        .Number("penaltyCells", state.penaltyCells)
        .Number("selectMode", static_cast<int>(state.selectMode))
        .Number("endCheck", state.endCheck)
        .Number("redrawMode", static_cast<int>(state.redrawMode))
        .Raw("current", CellJson(state.current))
        .Raw("previous", CellJson(state.previous))
        .Raw("target", CellJson(state.target))
        .Number("tapLatch", state.tapLatch)
        .Number("timerId", state.timerId)
        .Number("introStart", state.introStart)
        .Number("introFrame", state.introFrame)
        .Number("captionPending", state.captionPending)
        .Raw("timer", timer)
        .Close();
}

// The histogram is 8-bit text: a byte beyond ASCII (only a hand-edited store has one) is shown
// as the Latin-1 character it would be, so the line stays valid UTF-8.
std::string HistoryJson(const TimeHistory& history) {
    std::string text;
    for (size_t i = 0; i < HistoryLength(history); ++i) {
        const auto byte = static_cast<unsigned char>(history[i]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return JsonString(text);
}

std::string VersionJson(const VersionText& version) {
    std::string text;
    for (char16_t c : version) {
        if (c == 0) break;
        // The record holds what the program wrote, "1.3"; other characters show as '?'.
        text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return JsonString(text);
}

std::string SettingsJson(const Settings& settings) {
    std::string stats = "[";
    for (const auto& playerStats : settings.stats) {
        for (const PlayerStats& s : playerStats) {
            stats += (stats.size() > 1 ? ", " : "") + JsonObject()
                                                          .Number("besttime", s.besttime)
                                                          .Number("totalplay", s.totalplay)
                                                          .Number("totaltime", s.totaltime)
                                                          .Number("totalpenal", s.totalpenal)
                                                          .Raw("histo", HistoryJson(s.histo))
                                                          .Close();
        }
    }
    stats += "]";
    return JsonObject()
        .Raw("versionText", VersionJson(settings.versionText))
        .Number("language", settings.language)
        .Number("difficulty", settings.difficulty)
        .Number("symbolSet", settings.symbolSet)
        .Number("player", settings.player)
        .Number("lineOK", settings.lineOK)
        .Number("lineVI", settings.lineVI)
        .Raw("stats", stats)
        .Close();
}

std::string MenuJson(CMenu* menu) {
    CMenu* popup = menu != nullptr ? menu->GetSubMenu(0) : nullptr;
    std::string text = "[";
    for (int i = 0; popup != nullptr && i < popup->GetMenuItemCount(); ++i)
        text += (i > 0 ? ", " : "") + JsonString(popup->GetMenuString(i));
    return text + "]";
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}

std::string DumpState(MainFrame& frame, std::optional<uint32_t> timerPeriod) {
    return JsonObject()
        .Raw("board", BoardJson(frame.board))
        .Raw("game", GameJson(frame.state, timerPeriod))
        .Raw("settings", SettingsJson(frame.settings))
        .Raw("menu", MenuJson(frame.GetMenu()))
        .Close();
}

}  // namespace velinor
