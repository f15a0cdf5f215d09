#include "tests/play/play_checks.h"

#include <algorithm>
#include <array>
#include <vector>

#include "store/registry_schema.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

std::string Describe(const char* what, int x, int y, int value) {
    return std::string(what) + " at (" + std::to_string(x) + ", " + std::to_string(y) +
           "): " + std::to_string(value);
}

bool IsCellValue(int v) {
    constexpr std::array<int, 6> pieces = {-12, -13, -14, -23, -24, -34};
    return v >= 0 ? v <= SymbolLabelCount : std::ranges::count(pieces, v) == 1;
}

// The first broken rule's text, or an empty string.
std::string FirstBroken(std::initializer_list<std::pair<bool, const char*>> rules) {
    for (const auto& [broken, what] : rules)
        if (broken) return what;
    return {};
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
            const int solution = board.solution[i], player = board.player[i];
            const int revealed = board.revealed[i];
            if (!IsCellValue(solution)) return Describe("solution value", x, y, solution);
            if (!IsCellValue(player)) return Describe("player value", x, y, player);
            if ((solution > 0 || player > 0) && player != solution)
                return Describe("player endpoint differs from the solution", x, y, player);
            if (revealed != 0 && revealed != 1) return Describe("revealed flag", x, y, revealed);
            if (!InGrid(board, static_cast<int16_t>(x), static_cast<int16_t>(y)) &&
                (solution | player | revealed | board.errorMarks[i]) != 0)
                return Describe("value outside the grid", x, y, solution | player);
        }
    }
    return {};
}

std::string CheckGameState(const GameState& s, uint32_t now, bool timerRunning) {
    // Options restarts the timer whatever the phase, but nothing reaches a paused game's. The
    // cell under the stylus is wherever the hit test put it (-1 left of or above the board), and
    // a stroke begun just off the board takes it as its previous cell.
    return FirstBroken({
        {s.phase > Paused, "phase out of range"},
        {s.selectMode < SelectProposal || s.selectMode > SelectHintCell, "selectMode out of range"},
        {s.selectMode == SelectProposal && s.phase != Finished, "SelectProposal before the end"},
        {s.selectMode == SelectHintCell && s.clockStart == 0, "a hint awaited before the clock"},
        {s.redrawMode > RedrawStatus, "redrawMode out of range"},
        {s.exampleMode > 1, "exampleMode out of range"},
        {std::max({s.clockStart, s.clockEnd, s.pauseStart, s.introStart}) > now,
         "a clock reading ahead of the tick counter"},
        {s.phase == Paused && (s.clockStart == 0 || s.pauseStart < s.clockStart),
         "paused before the clock started"},
        {s.phase == Finished && s.clockEnd < s.clockStart, "finished before the clock started"},
        {s.phase == Paused && s.introStart == 0 && timerRunning, "the timer runs while paused"},
        {std::min({s.current.x, s.current.y, s.previous.x, s.previous.y}) < -1,
         "a stylus cell the hit test never gives"},
    });
}

std::string CheckSettings(const Settings& s) {
    for (const auto& playerStats : s.stats) {
        for (const PlayerStats& p : playerStats) {
            if (std::min({p.totalplay, p.totaltime, p.totalpenal, p.besttime}) < 0)
                return "a negative statistic";
            if ((p.totalplay == 0) != (p.besttime == 0)) return "a best time without games";
            if (p.histo.back() != '\0') return "a time history without its terminator";
        }
    }
    return FirstBroken({
        {s.language != 0 && s.language != 1, "language out of range"},
        {s.difficulty < 0 || s.difficulty >= DifficultyCount, "difficulty out of range"},
        {s.symbolSet < 0 || s.symbolSet > 2, "symbolSet out of range"},
        {s.player < 0 || s.player >= PlayerCount, "player out of range"},
        {s.lineOK > 0xFFFFFF || s.lineVI > 0xFFFFFF, "a line colour beyond 24 bits"},
    });
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
    const auto stored = std::ranges::find(values, "version", &StoredValue::name);
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
