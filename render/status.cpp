#include "render/status.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

#include "platform/gdi/text.h"
#include "render/colours.h"
#include "render/format_time.h"
#include "render/layout.h"

namespace velinor {
namespace {

// The band's lines are put together on every paint, so by hand rather than by printf.
char* Append(char* out, std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
}

}  // namespace

void DrawStatusText(OffscreenBuffer& offscreen, const char* text, const Rect& rect,
                    unsigned alignment, COLORREF colour) {
    // The band is black already, so the text needs no background of its own.
    offscreen.buffer.SetBkMode(BkMode::Transparent);
    offscreen.buffer.SetTextColor(colour);
    DrawText(offscreen.buffer, text, rect, alignment | TextSingleLine);
}

void PaintStatusTexts(OffscreenBuffer& offscreen, const GameContext& context) {
    const GameState& state = context.state;
    const int32_t language = context.settings.language;
    if (state.clockStart == 0) {
        const char* prompt = state.exampleMode != 0
                                 ? Localized(language, "Finish the game, connect symbols",
                                             "Terminez le jeu, connectez les symboles")
                                 : Localized(language, "Connect symbols", "Connectez les symboles");
        DrawStatusText(offscreen, prompt, StatusRect, TextCentre, PromptColour);
        return;
    }
    if (state.exampleMode == 0) {
        const uint32_t elapsed = state.clockEnd - state.clockStart;
        char clock[TimeTextSize];
        FormatTime(clock, elapsed);
        DrawStatusText(offscreen, clock, ClockRect, TextRight, ClockColour);
        if (state.penaltyCells != 0) {
            char total[TimeTextSize];
            FormatTime(total, state.penaltyCells * PenaltyPerCellMs + elapsed);
            // "+ 4 x 15\" = 1'5\"3": a count read back as negative keeps its sign instead of the
            // space.
            char line[48];
            const int cells = static_cast<int>(state.penaltyCells);
            char* out = Append(line, cells < 0 ? "+" : "+ ");
            out = std::to_chars(out, std::end(line), cells).ptr;
            out = Append(out, " x ");
            out = std::to_chars(out, std::end(line), PenaltyPerCellSeconds).ptr;
            *Append(Append(out, "\" = "), total) = '\0';
            DrawStatusText(offscreen, line, PenaltyRect, TextRight, PromptColour);
        }
    }
    if (state.selectMode == SelectHintCell)
        DrawStatusText(offscreen, Localized(language, "Select one cell", "Sélectionnez une case"),
                       StatusRect, TextLeft, PromptColour);
    else if (state.selectMode < 0)
        DrawStatusText(offscreen, Localized(language, "Your proposal", "Votre proposition"),
                       StatusRect, TextLeft, ClockColour);
}

void PaintBestTime(OffscreenBuffer& offscreen, const Settings& settings) {
    const int d = settings.difficulty, p = settings.player;
    // A player or difficulty from a hand-edited store names no statistics.
    if (d < 0 || d >= DifficultyCount || p < 0 || p >= PlayerCount) return;
    const int32_t own = settings.stats[p][d].besttime;
    int32_t m = own;
    for (int q = 0; q < PlayerCount; ++q) {
        const int32_t best = settings.stats[q][d].besttime;
        if (best != 0 && best < m) m = best;
    }
    if (m == 0) return;
    char best[TimeTextSize];
    FormatTime(best, static_cast<uint32_t>(m));
    if (m == own) {
        DrawStatusText(offscreen, best, BestTimeRect, TextLeft, BestTimeColour);
        return;
    }
    char mine[TimeTextSize];
    FormatTime(mine, static_cast<uint32_t>(own));
    char line[2 * TimeTextSize + 3];
    *Append(Append(Append(Append(line, best), " ("), mine), ")") = '\0';
    DrawStatusText(offscreen, line, BestTimeRect, TextLeft, BestTimeColour);
}

}  // namespace velinor
