#include "tests/play/play_checks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "store/registry_schema.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

std::string Describe(const char* what, int x, int y, int value) {
    char text[96];
    std::snprintf(text, sizeof text, "%s at (%d, %d): %d", what, x, y, value);
    return text;
}

bool IsCellValue(int v) {
    constexpr std::array<int, 6> pieces = {-12, -13, -14, -23, -24, -34};
    return v >= 0 ? v <= SymbolLabelCount : std::ranges::count(pieces, v) == 1;
}

}  // namespace

std::string CheckBoard(const Board& board) {
    if (board.gridSize != 5 && board.gridSize != 8 && board.gridSize != 12)
        return "grid size " + std::to_string(board.gridSize);
    Board placed = board;
    ComputeBoardOrigin(placed);
    if (placed.originX != board.originX || placed.originY != board.originY)
        return "board origin does not match its grid size";
    for (int x = 0; x < MaxGridSize; ++x) {
        for (int y = 0; y < MaxGridSize; ++y) {
            const int i = CellIndex(x, y);
            const int solution = board.solution[i];
            const int player = board.player[i];
            if (!IsCellValue(solution)) return Describe("solution value", x, y, solution);
            if (!IsCellValue(player)) return Describe("player value", x, y, player);
            if ((solution > 0 || player > 0) && player != solution)
                return Describe("player endpoint differs from the solution", x, y, player);
            if (board.revealed[i] != 0 && board.revealed[i] != 1)
                return Describe("revealed flag", x, y, board.revealed[i]);
            if (!InGrid(board, static_cast<int16_t>(x), static_cast<int16_t>(y)) &&
                (solution | player | board.revealed[i] | board.errorMarks[i]) != 0)
                return Describe("value outside the grid", x, y, solution | player);
        }
    }
    return {};
}

std::string CheckGameState(const GameState& state, uint32_t now, bool timerRunning) {
    if (state.phase != Playing && state.phase != Finished && state.phase != Paused)
        return "phase " + std::to_string(state.phase);
    if (state.selectMode != SelectNone && state.selectMode != SelectHintCell &&
        state.selectMode != SelectProposal)
        return "selectMode " + std::to_string(state.selectMode);
    if (state.selectMode == SelectProposal && state.phase != Finished)
        return "SelectProposal outside a finished game";
    if (state.selectMode == SelectHintCell && state.clockStart == 0)
        return "a hint awaited before the clock started";
    if (state.redrawMode > RedrawStatus) return "redrawMode " + std::to_string(state.redrawMode);
    if (state.exampleMode > 1) return "exampleMode " + std::to_string(state.exampleMode);
    if (state.clockStart > now || state.clockEnd > now || state.pauseStart > now ||
        state.introStart > now)
        return "a clock reading ahead of the tick counter";
    if (state.phase == Paused && (state.clockStart == 0 || state.pauseStart < state.clockStart))
        return "paused before the clock started";
    if (state.phase == Finished && state.clockEnd < state.clockStart)
        return "finished with the clock ending before it started";
    // Options restarts the timer whatever the phase, but nothing reaches a paused game's.
    if (state.phase == Paused && state.introStart == 0 && timerRunning)
        return "the timer runs in a paused game";
    // The cell under the stylus is wherever the hit test put it (-1 left of or above the board),
    // and a stroke begun just off the board takes it as its previous cell. The target may
    // outlive its game until the next press clears it; it is never painted then.
    for (Cell c : {state.current, state.previous}) {
        if (c.x < -1 || c.y < -1)
            return Describe("a stylus cell the hit test never gives", c.x, c.y, 0);
    }
    return {};
}

std::string CheckSettings(const Settings& s) {
    if (s.language != 0 && s.language != 1) return "language " + std::to_string(s.language);
    if (s.difficulty < 0 || s.difficulty >= DifficultyCount)
        return "difficulty " + std::to_string(s.difficulty);
    if (s.symbolSet < 0 || s.symbolSet > 2) return "symbolSet " + std::to_string(s.symbolSet);
    if (s.player < 0 || s.player >= PlayerCount) return "player " + std::to_string(s.player);
    if (s.lineOK > 0xFFFFFF || s.lineVI > 0xFFFFFF) return "a line colour beyond 24 bits";
    for (const auto& playerStats : s.stats) {
        for (const PlayerStats& p : playerStats) {
            if (p.totalplay < 0 || p.totaltime < 0 || p.totalpenal < 0 || p.besttime < 0)
                return "a negative statistic";
            if ((p.totalplay == 0) != (p.besttime == 0))
                return "a best time without games, or games without one";
            if (p.histo.back() != '\0') return "a time history without its terminator";
        }
    }
    return {};
}

std::string CheckStoredRecord(const Settings& saved) {
    const std::vector<StoredValue> values = ReadValues(SettingsKeyPath);
    if (values.size() != SettingsValueCount)
        return "the store holds " + std::to_string(values.size()) + " values, not the whole record";
    // Loading never reads the version back; its bytes are UTF-16 with the terminator.
    std::vector<uint8_t> version;
    for (char16_t c : saved.versionText) {
        version.push_back(static_cast<uint8_t>(c & 0xFF));
        version.push_back(static_cast<uint8_t>(c >> 8));
        if (c == 0) break;
    }
    const auto stored = std::find_if(values.begin(), values.end(),
                                     [](const StoredValue& v) { return v.name == "version"; });
    if (stored == values.end() || stored->bytes != version)
        return "the stored version differs from the last save";
    Settings loaded{};
    if (LoadSettings(loaded) != 0) return "the saved record cannot be loaded";
    loaded.versionText = saved.versionText;
    // A history is stored up to its terminator; what lies past it is not part of the record.
    Settings want = saved;
    for (auto& playerStats : want.stats)
        for (PlayerStats& p : playerStats)
            std::fill(p.histo.begin() + HistoryLength(p.histo), p.histo.end(), '\0');
    return loaded == want ? "" : "the stored record differs from the last save";
}

}  // namespace velinor::test
