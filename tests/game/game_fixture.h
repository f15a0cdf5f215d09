// The program on the headless back end with puzzles given as text in place of generated ones;
// the opening animation has run out before each test.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "game/commands.h"
#include "tests/app/program_fixture.h"
#include "tests/support/board_text.h"

namespace velinor::test {

// Four lines: 1 with 4 pieces, 2 with 6, 3 with 4, 4 with 3.
inline const std::initializer_list<std::string_view> FourLines = {
    "1 ─ ─ ─ ┐",  //
    "2 ─ ─ ┐ 1",  //
    "3 ┌ ─ ┘ 4",  //
    "│ 2 3 4 │",  //
    "└ ─ ┘ └ ┘",  //
};

class GameFixture : public ProgramTest {
  protected:
    GameFixture() { LoadPuzzle(FourLines); }
    void SetUp() override { driver.JumpClock(IntroLength + IntroTimerPeriod); }

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

    bool TimerRunning() {
        return driver.System().Timers().PeriodOf({frame, MainTimerId}).has_value();
    }
    int8_t PlayerAt(int x, int y) const { return At(board.player, x, y); }

    MainFrame& main{Started()};
    Board& board{main.board};
    GameState& state{main.state};
    Settings& settings{main.settings};

  private:
    MainFrame& Started() {
        Start();
        return *frame;
    }
};

}  // namespace velinor::test
