// The random player's checks report what they are meant to: a sound record passes, and each
// planted fault is named.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/play/play_checks.h"

namespace velinor::test {
namespace {

Board FreshBoard() {
    Board board;
    board.gridSize = 5;
    ComputeBoardOrigin(board);
    board.solution[CellIndex(0, 0)] = board.player[CellIndex(0, 0)] = 1;
    board.solution[CellIndex(0, 1)] = -13;
    board.solution[CellIndex(0, 2)] = board.player[CellIndex(0, 2)] = 1;
    return board;
}

TEST(PlayChecks, ASoundRecordPasses) {
    Settings settings{};
    GameState state;
    state.clockStart = state.clockEnd = 1000;
    EXPECT_EQ(CheckBoard(FreshBoard()), "");
    EXPECT_EQ(CheckGameState(state, 2000, true), "");
    EXPECT_EQ(CheckSettings(settings), "");
}

TEST(PlayChecks, EachFaultIsNamed) {
    struct Case {
        const char* fault;
        std::function<void(Board&, GameState&, Settings&)> plant;
    };
    const std::vector<Case> cases = {
        {"player value", [](Board& b, GameState&, Settings&) { b.player[CellIndex(1, 1)] = -21; }},
        {"solution value",
         [](Board& b, GameState&, Settings&) { b.solution[CellIndex(2, 1)] = 20; }},
        {"endpoint", [](Board& b, GameState&, Settings&) { b.player[CellIndex(0, 2)] = 0; }},
        {"outside the grid",
         [](Board& b, GameState&, Settings&) { b.player[CellIndex(6, 0)] = -12; }},
        {"origin", [](Board& b, GameState&, Settings&) { b.originX += 1; }},
        {"phase", [](Board&, GameState& s, Settings&) { s.phase = GamePhase(3); }},
        {"selectMode", [](Board&, GameState& s, Settings&) { s.selectMode = SelectMode(2); }},
        {"SelectProposal", [](Board&, GameState& s, Settings&) { s.selectMode = SelectProposal; }},
        {"ahead", [](Board&, GameState& s, Settings&) { s.clockEnd = 3000; }},
        {"ending before",
         [](Board&, GameState& s, Settings&) {
             s.phase = Finished;
             s.clockEnd = 999;
         }},
        {"timer",
         [](Board&, GameState& s, Settings&) {
             s.phase = Paused;
             s.pauseStart = 1500;
         }},
        {"hit test",
         [](Board&, GameState& s, Settings&) {
             s.previous = {3, -4};
         }},
        {"hit test",
         [](Board&, GameState& s, Settings&) {
             s.current = {-2, 0};
         }},
        {"difficulty", [](Board&, GameState&, Settings& t) { t.difficulty = 3; }},
        {"player", [](Board&, GameState&, Settings& t) { t.player = -1; }},
        {"best time", [](Board&, GameState&, Settings& t) { t.stats[1][2].totalplay = 1; }},
        {"negative", [](Board&, GameState&, Settings& t) { t.stats[0][0].totaltime = -5; }},
    };
    for (const Case& c : cases) {
        Board board = FreshBoard();
        GameState state;
        state.clockStart = state.clockEnd = 1000;
        Settings settings{};
        c.plant(board, state, settings);
        const std::string found =
            CheckBoard(board) + CheckGameState(state, 2000, true) + CheckSettings(settings);
        EXPECT_NE(found.find(c.fault), std::string::npos) << c.fault << ": " << found;
    }
}

TEST(PlayChecks, APixelChangedOutsideTheEntitledAreaIsFound) {
    Bitmap before = CreateCompatibleBitmap(4, 3);
    Bitmap after = before;
    std::vector<uint8_t> entitled(12, 0);
    entitled[5] = 1;
    after.SetValue(1, 1, 0xFF);  // pixel 5: allowed
    EXPECT_EQ(CheckUntouched(before, after, entitled), "");
    after.SetValue(2, 2, 0xFF);
    EXPECT_NE(CheckUntouched(before, after, entitled).find("(2, 2)"), std::string::npos);
}

}  // namespace
}  // namespace velinor::test
