// A game on the headless back end: the test frame as main window, a registry file of its own,
// a fake clock, and puzzles given as text in place of generated ones.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "core/trace.h"
#include "platform/headless/headless.h"
#include "tests/game/test_frame.h"
#include "tests/support/board_text.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

// Four lines: 1 with 4 pieces, 2 with 6, 3 with 4, 4 with 3.
inline const std::initializer_list<std::string_view> FourLines = {
    "1 ─ ─ ─ ┐",  //
    "2 ─ ─ ┐ 1",  //
    "3 ┌ ─ ┘ 4",  //
    "│ 2 3 4 │",  //
    "└ ─ ┘ └ ┘",  //
};

// Line 1 fills the top-left 3 x 3 block as a snake by rows; by columns is as valid.
inline const std::initializer_list<std::string_view> TwoWaySnake = {
    "1 ─ ┐ 2 3",  //
    "┌ ─ ┘ │ │",  //
    "└ ─ 1 │ │",  //
    "4 ─ 4 │ │",  //
    "5 ─ 5 2 3",  //
};

// Counted games save the whole record each time: a memory-backed folder keeps that quick.
inline std::filesystem::path StoreFolder() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

class GameFixture : public ::testing::Test {
  protected:
    GameFixture() : frame(Start()), game(frame.game) {}

    // The puzzle of the rows replaces the generated one; the player's board holds its endpoints.
    void LoadPuzzle(std::initializer_list<std::string_view> rows) {
        const Board puzzle = BoardFromRows(rows);
        board.gridSize = puzzle.gridSize;
        board.solution = puzzle.solution;
        for (int i = 0; i < LayerCells; ++i)
            board.player[i] = board.solution[i] > 0 ? board.solution[i] : 0;
        ClearLayer(board.errorMarks);
        ClearLayer(board.revealed);
        ClearLayer(board.traceMarks);
        ComputeBoardOrigin(board);
    }

    // The player's board as rows of text, for drawing whole boards at once.
    void SetPlayer(std::initializer_list<std::string_view> rows) {
        board.player = LayerFromRows(rows);
    }

    Point Centre(Cell c) const {
        return {board.originX + CellSize * c.x + CellSize / 2,
                board.originY + CellSize * c.y + CellSize / 2};
    }
    void Press(Cell c) { driver.Press(Centre(c).x, Centre(c).y); }
    void Move(Cell c) { driver.Move(Centre(c).x, Centre(c).y); }
    void Release(Cell c) { driver.Release(Centre(c).x, Centre(c).y); }
    void Tap(Cell c) { driver.Tap(Centre(c).x, Centre(c).y); }
    // Press on the first cell, move through the others, release on the last.
    void Drag(std::initializer_list<Cell> cells) {
        std::vector<Point> points;
        for (Cell c : cells)
            points.push_back(Centre(c));
        driver.Drag(points);
    }
    void Command(uint32_t id) { driver.Command(id); }

    // The next message box gets this button.
    void Answer(int button) {
        driver.AnswerNext([this, button](CDialog&) { driver.Click(button); });
    }
    size_t BoxCount() const { return driver.Modals().size(); }
    const HeadlessDriver::ModalRecord& LastBox() const { return driver.Modals().back(); }

    // The frame is the only window here with a timer: when it is due tells whether it runs.
    std::optional<uint32_t> TimerDueIn() { return driver.System().Timers().TimeToNextDue(Now()); }
    bool TimerRunning() { return TimerDueIn().has_value(); }
    uint32_t Now() const { return driver.Now(); }
    int8_t PlayerAt(int x, int y) const { return At(board.player, x, y); }
    PlayerStats& Stats(int player = 0, int difficulty = 0) {
        return settings.stats[player][difficulty];
    }

    TempStore store{StoreFolder()};
    HeadlessDriver driver;
    Board board;
    GameState state;
    Settings settings;
    GameTestApp app{board, state, settings};
    GameTestFrame& frame;
    GameContext& game;

  private:
    GameTestFrame& Start() {
        app.InitInstance();
        return app.Frame();
    }
};

}  // namespace velinor::test
