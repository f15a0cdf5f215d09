#include "app/script/script_line.h"

#include <charconv>
#include <limits>

#include "platform/registry/registry.h"
#include "platform/window/messages.h"

namespace velinor {

namespace {

// Stylus positions may lie off the screen (the window system clamps them), within reason.
constexpr int64_t FarthestPixel = 10000;

struct Word {
    std::string_view name;
    LineKind kind;
};

constexpr Word Words[] = {
    {"seed", LineKind::Seed},         {"reg", LineKind::Reg},
    {"start", LineKind::Start},       {"wait", LineKind::Wait},
    {"press", LineKind::Press},       {"move", LineKind::Move},
    {"release", LineKind::Release},   {"tap", LineKind::Tap},
    {"drag", LineKind::Drag},         {"command", LineKind::Command},
    {"close", LineKind::Close},       {"answer", LineKind::Answer},
    {"click", LineKind::Click},       {"ok", LineKind::Ok},
    {"cancel", LineKind::Cancel},     {"colour", LineKind::Colour},
    {"shot", LineKind::Shot},         {"dump", LineKind::Dump},
    {"registry", LineKind::Registry}, {"controls", LineKind::Controls},
};

std::vector<std::string_view> SplitWords(std::string_view text) {
    text = text.substr(0, text.find('#'));
    std::vector<std::string_view> words;
    constexpr std::string_view Blanks = " \t\r\f\v";
    for (size_t start = text.find_first_not_of(Blanks); start != std::string_view::npos;) {
        const size_t end = std::min(text.find_first_of(Blanks, start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(Blanks, end);
    }
    return words;
}

// The words after the first, taken one by one; the first fault is kept.
class Reader {
  public:
    Reader(std::vector<std::string_view> words, std::string& error)
        : words_(std::move(words)), error_(error) {}

    bool Fail(std::string why) {
        if (error_.empty()) error_ = std::move(why);
        return false;
    }
    bool AtEnd() const { return next_ == words_.size(); }
    bool Word(std::string_view& word, const char* what) {
        if (AtEnd()) return Fail(std::string("'") + std::string(words_[0]) + "' needs " + what);
        word = words_[next_++];
        return true;
    }
    template <class Int>
    bool Number(Int& value, int64_t lowest, int64_t highest, const char* what) {
        std::string_view word;
        if (!Word(word, what)) return false;
        int64_t parsed = 0;
        auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), parsed);
        if (status != std::errc() || end != word.data() + word.size() || parsed < lowest ||
            parsed > highest)
            return Fail("'" + std::string(word) + "' is not " + what + " (" +
                        std::to_string(lowest) + " to " + std::to_string(highest) + ")");
        value = static_cast<Int>(parsed);
        return true;
    }
    bool Position(ScriptPosition& p) {
        p.cell = !AtEnd() && words_[next_] == "cell";
        if (p.cell) {
            ++next_;
            return Number(p.x, 0, 11, "a cell column") && Number(p.y, 0, 11, "a cell row");
        }
        return Number(p.x, -FarthestPixel, FarthestPixel, "an x in pixels") &&
               Number(p.y, -FarthestPixel, FarthestPixel, "a y in pixels");
    }
    bool End() {
        if (AtEnd()) return true;
        return Fail("unexpected '" + std::string(words_[next_]) + "' after '" +
                    std::string(words_[0]) + "'");
    }
    std::string_view Peek() const { return AtEnd() ? std::string_view() : words_[next_]; }

  private:
    std::vector<std::string_view> words_;
    size_t next_ = 1;
    std::string& error_;
};

bool ParseSeed(Reader& in, ScriptLine& line) {
    std::string_view word;
    if (!in.Word(word, "a seed")) return false;
    auto [end, status] = std::from_chars(word.data(), word.data() + word.size(), line.seed);
    if (status != std::errc() || end != word.data() + word.size())
        return in.Fail("'" + std::string(word) + "' is not a seed (0 to 18446744073709551615)");
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseReg(Reader& in, ScriptLine& line) {
    std::string_view name, type, hex;
    if (!in.Word(name, "a value name") || !in.Word(type, "a type (SZ or DWORD)") ||
        !in.Word(hex, "the value's bytes in hexadecimal"))
        return false;
    line.text = name;
    if (type == "SZ") {
        line.type = REG_SZ;
    } else if (type == "DWORD") {
        line.type = REG_DWORD;
    } else {
        return in.Fail("'" + std::string(type) + "' is no type (SZ or DWORD)");
    }
    // "-" stands for a value of no bytes.
    if (hex == "-") return true;
    if (hex.size() % 2 != 0) return in.Fail("'" + std::string(hex) + "' is not whole bytes");
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return in.Fail("'" + std::string(hex) + "' is not hexadecimal");
        line.bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return true;
}

bool ParsePositions(Reader& in, ScriptLine& line, size_t fewest) {
    do {
        ScriptPosition p;
        if (!in.Position(p)) return false;
        line.positions.push_back(p);
    } while (line.positions.size() < fewest || (fewest > 1 && !in.AtEnd()));
    return true;
}

bool ParseArguments(Reader& in, ScriptLine& line) {
    switch (line.kind) {
        case LineKind::Seed:
            return ParseSeed(in, line);
        case LineKind::Reg:
            return ParseReg(in, line);
        case LineKind::Wait:
            return in.Number(line.number, 0, LongestWait, "a number of milliseconds");
        case LineKind::Press:
        case LineKind::Move:
        case LineKind::Release:
        case LineKind::Tap:
            return ParsePositions(in, line, 1);
        case LineKind::Drag:
            return ParsePositions(in, line, 2);
        case LineKind::Command:
            return in.Number(line.number, 1, 0xFFFF, "a command identifier");
        case LineKind::Click:
            return in.Number(line.number, std::numeric_limits<int>::min(),
                             std::numeric_limits<int>::max(), "a control identifier");
        case LineKind::Answer: {
            std::string_view button;
            if (!in.Word(button, "OK or CANCEL")) return false;
            if (button != "OK" && button != "CANCEL")
                return in.Fail("'" + std::string(button) + "' is no button (OK or CANCEL)");
            line.number = button == "OK" ? IDOK : IDCANCEL;
            return true;
        }
        case LineKind::Colour: {
            if (in.Peek() == "cancel") {
                std::string_view word;
                in.Word(word, "");
                line.kind = LineKind::ColourCancel;
                return true;
            }
            int r = 0, g = 0, b = 0;
            if (!in.Number(r, 0, 255, "a red value") || !in.Number(g, 0, 255, "a green value") ||
                !in.Number(b, 0, 255, "a blue value"))
                return false;
            line.colour = RGB(r, g, b);
            return true;
        }
        case LineKind::Shot: {
            std::string_view file;
            if (!in.Word(file, "a file name")) return false;
            line.text = file;
            return true;
        }
        default:
            return true;
    }
}

}  // namespace

bool ParseScriptLine(std::string_view text, ScriptLine& line, std::string& error) {
    line = ScriptLine{};
    error.clear();
    std::vector<std::string_view> words = SplitWords(text);
    if (words.empty()) return true;
    const Word* word = nullptr;
    for (const Word& w : Words) {
        if (w.name == words[0]) word = &w;
    }
    if (word == nullptr) {
        error = "unknown word '" + std::string(words[0]) + "'";
        return false;
    }
    line.kind = word->kind;
    Reader in(std::move(words), error);
    return ParseArguments(in, line) && in.End();
}

}  // namespace velinor
