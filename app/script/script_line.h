// One line of a velinor-script script, read into what it asks for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types/colour.h"

namespace velinor {

enum class LineKind {
    Empty,  // blank or a comment
    Seed,
    Reg,
    Start,
    Wait,
    Press,
    Move,
    Release,
    Tap,
    Drag,
    Command,
    Close,
    Answer,
    Click,
    Ok,
    Cancel,
    Colour,
    ColourCancel,
    Shot,
    Dump,
    Registry,
    Controls,
};

// Client pixels, or a cell of the current board.
struct ScriptPosition {
    bool cell = false;
    int x = 0;
    int y = 0;
    friend bool operator==(const ScriptPosition&, const ScriptPosition&) = default;
};

// The longest wait a line may ask for: an hour of play.
constexpr int64_t LongestWait = 3600000;

struct ScriptLine {
    LineKind kind = LineKind::Empty;
    std::vector<ScriptPosition> positions;  // stylus lines
    // seed; wait's milliseconds; command's or click's identifier; answer's IDOK or IDCANCEL
    int64_t number = 0;
    uint64_t seed = 0;
    COLORREF colour = 0;
    std::string text;            // shot's file, reg's value name
    uint32_t type = 0;           // reg's REG_SZ or REG_DWORD
    std::vector<uint8_t> bytes;  // reg's value
};

// Reads one line (without its line break). False, with the reason, when it is no line of the
// script language.
bool ParseScriptLine(std::string_view text, ScriptLine& line, std::string& error);

}  // namespace velinor
