// A game on the headless back end: the test frame as main window, a registry file of its own,
// a fake clock, and puzzles given as text in place of generated ones.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
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

// Frame: GameTestFrame, or a frame derived from it that routes more commands.
template <class Frame>
class BasicGameFixture : public ::testing::Test {
  protected:
    // Start-up as the program does it, then FourLines in place of the generated puzzle.
    BasicGameFixture() {
        InitSettings(settings);
        OnNewGame(game);
        frame.ShowWindow(SW_SHOW);
        frame.UpdateWindow();
        LoadPuzzle(FourLines);
    }

    // The puzzle of the rows replaces the generated one; the player's board holds its endpoints.
    void LoadPuzzle(std::initializer_list<std::string_view> rows) {
        board = BoardFromRows(rows);
        for (int8_t& cell : board.player)
            cell = std::max<int8_t>(cell, 0);
    }

    Point Centre(Cell c) const {
        return {board.originX + CellSize * c.x + CellSize / 2,
                board.originY + CellSize * c.y + CellSize / 2};
    }
    void Press(Cell c) { driver.Press(Centre(c).x, Centre(c).y); }
    void Move(Cell c) { driver.Move(Centre(c).x, Centre(c).y); }
    void Tap(Cell c) { driver.Tap(Centre(c).x, Centre(c).y); }
    // Press on the first cell, move through the others, release on the last.
    void Drag(const std::vector<Cell>& cells) {
        std::vector<Point> points;
        for (Cell c : cells)
            points.push_back(Centre(c));
        driver.Drag(points);
    }
    void Command(uint32_t id) { driver.Command(id); }

    // The next message box gets this button; unanswered, OK and Cancel boxes get Cancel.
    void Answer(int button) {
        driver.AnswerNext([this, button](CDialog&) { driver.Click(button); });
    }
    size_t BoxCount() const { return driver.Modals().size(); }
    // The last message box as "caption: text".
    std::string LastBox() const {
        return driver.Modals().back().caption + ": " + driver.Modals().back().text;
    }

    // The frame is the only window here with a timer.
    bool TimerRunning() { return driver.System().Timers().TimeToNextDue(driver.Now()).has_value(); }
    int8_t PlayerAt(int x, int y) const { return At(board.player, x, y); }
    PlayerStats& Stats(int player = 0, int difficulty = 0) {
        return settings.stats[player][difficulty];
    }

    TempStore store;
    HeadlessDriver driver;
    Board board;
    GameState state;
    Settings settings;
    CWinApp app;
    Frame& frame{Open()};
    GameContext& game{frame.game};

  private:
    Frame& Open() {
        app.m_pMainWnd = std::make_unique<Frame>(board, state, settings);
        return static_cast<Frame&>(*app.m_pMainWnd);
    }
};

using GameFixture = BasicGameFixture<GameTestFrame>;

}  // namespace velinor::test
