// The main window's table: every message and command reaches its handler, toolbar buttons do
// what their menu twins do, and Exit or a close request go through the abort question.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/resources.h"
#include "core/trace.h"
#include "game/commands.h"
#include "tests/app/program_fixture.h"

namespace velinor::test {
namespace {

// The table as the frame holds it.
class ExposedFrame : public MainFrame {
  public:
    using MainFrame::GetMessageMap;
};

TEST_F(ProgramTest, TheTableHoldsEveryRowInOrderAndTwinsShareTheirHandler) {
    SetResources(ApplicationResources());
    ExposedFrame exposed;
    const auto entries = exposed.GetMessageMap()->entries;
    const std::pair<uint32_t, uint32_t> rows[] = {
        {WM_LBUTTONDOWN, 0}, {WM_PAINT, 0},         {WM_COMMAND, 40003}, {WM_COMMAND, 40005},
        {WM_COMMAND, 40004}, {WM_COMMAND, 40007},   {WM_COMMAND, 40008}, {WM_CLOSE, 0},
        {WM_TIMER, 0},       {WM_COMMAND, 40009},   {WM_COMMAND, 40011}, {WM_COMMAND, 40010},
        {WM_COMMAND, 40016}, {WM_LBUTTONDBLCLK, 0}, {WM_COMMAND, 40013}, {WM_COMMAND, 40014},
        {WM_LBUTTONUP, 0},   {WM_MOUSEMOVE, 0},     {WM_COMMAND, 40015}, {WM_COMMAND, 40012},
    };
    ASSERT_EQ(entries.size(), std::size(rows));
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(std::pair(entries[i].message, entries[i].id), rows[i]) << "row " << i;

    auto handlerOf = [&](uint32_t command) {
        for (const MessageEntry& e : entries) {
            if (e.message == WM_COMMAND && e.id == command) return e.invoke;
        }
        return decltype(entries[0].invoke){};
    };
    for (auto [menu, tool] : {std::pair{40008, 40009},
                              {40004, 40010},
                              {40005, 40011},
                              {40013, 40014},
                              {40007, 40016},
                              {40015, 40012}})
        EXPECT_EQ(handlerOf(menu), handlerOf(tool)) << menu << " and " << tool;
    // Every other pair of rows runs different handlers.
    EXPECT_NE(handlerOf(40005), handlerOf(40007));
    EXPECT_NE(handlerOf(40013), handlerOf(40015));
}

TEST_F(ProgramTest, TheStylusTimerAndPaintReachTheGame) {
    // The buffer starts white; the first paint that reaches the painting clears it black.
    SeedRandom(1);
    ASSERT_TRUE(app.InitInstance());
    frame = app.Frame();
    const Bitmap& buffer = frame->offscreen.image;
    EXPECT_EQ(buffer.ColourOf(buffer.Value(5, 280)), RGB(255, 255, 255));
    driver.Wait(0);
    EXPECT_EQ(buffer.ColourOf(buffer.Value(5, 280)), RGB(0, 0, 0));
    driver.Wait(5100);
    EXPECT_EQ(frame->state.introStart, 0u) << "the timer ended the animation";

    // Press, move and release: a stroke from an endpoint through the cell below it starts the
    // clock and gives that cell, which it left, its piece: up and down.
    const Board& board = frame->board;
    Cell from = NoCell;
    for (int8_t x = 0; x < board.gridSize && from == NoCell; ++x) {
        for (int8_t y = 0; y + 2 < board.gridSize && from == NoCell; ++y) {
            if (board.solution[CellIndex(x, y)] > 0 && board.solution[CellIndex(x, y + 1)] < 0)
                from = {x, y};
        }
    }
    ASSERT_NE(from, NoCell);
    auto centre = [&](int dy) {
        return Point{board.originX + CellSize * from.x + 10,
                     board.originY + CellSize * (from.y + dy) + 10};
    };
    const Point points[] = {centre(0), centre(1), centre(2)};
    driver.Drag(points);
    const int middle = CellIndex(from.x, from.y + 1);
    EXPECT_EQ(frame->state.clockStart, driver.Now());
    EXPECT_EQ(board.player[middle], -13);

    // The clock's timer repaints the status band every 100 ms.
    driver.Wait(100);
    EXPECT_EQ(frame->state.redrawMode, RedrawStatus);

    // Back onto that cell, then a double tap there erases its piece.
    driver.Tap(centre(1).x, centre(1).y);
    driver.Tap(centre(1).x, centre(1).y);
    EXPECT_EQ(board.player[middle], 0);
}

// What a command left behind: the boxes it asked (from `firstBox` on), and the game.
auto Outcome(const HeadlessDriver& driver, size_t firstBox, const MainFrame& frame) {
    std::vector<std::string> boxes;
    for (size_t i = firstBox; i < driver.Modals().size(); ++i)
        boxes.push_back(driver.Modals()[i].caption + ": " + driver.Modals()[i].text);
    const GameState& s = frame.state;
    return std::tuple(boxes, s.phase, s.eventCount, s.selectMode, s.penaltyCells, s.endCheck,
                      frame.board.solution, frame.board.player);
}

TEST_F(ProgramTest, EachToolbarButtonDoesWhatItsMenuItemDoesQuestionsIncluded) {
    struct Twin {
        uint32_t menu, tool;
        const char* box;  // the caption of the first box it opens in a game in progress, if any
        GamePhase phase;  // after the box is answered OK
    };
    const Twin twins[] = {
        {MenuNewGame, ToolNewGame, "Warning", Playing},
        {MenuShowSolution, ToolShowSolution, "Warning", Finished},
        {MenuHint, ToolHint, "Info", Playing},
        {MenuPause, ToolPause, nullptr, Paused},
        {MenuLearnRules, ToolLearnRules, "Warning", Playing},
        {MenuOptions, ToolOptions, "Warning", Playing},
    };
    for (const Twin& twin : twins) {
        for (int answer : {IDOK, IDCANCEL}) {
            std::vector<decltype(Outcome(driver, 0, *frame))> results;
            for (uint32_t command : {twin.menu, twin.tool}) {
                // The same puzzle at the same moment of a game in progress, a fresh store.
                if (app.GetMainWnd() != nullptr) app.EndInstance();
                std::filesystem::remove(store.file());
                Start();
                Touch();
                const size_t before = BoxCount();
                driver.AnswerEvery([this, answer](CDialog&) { driver.Click(answer); });
                driver.Command(command);
                results.push_back(Outcome(driver, before, *frame));
            }
            EXPECT_EQ(results[0], results[1]) << twin.menu << " answered " << answer;
            const auto& boxes = std::get<0>(results[0]);
            if (twin.box == nullptr) {
                EXPECT_TRUE(boxes.empty()) << twin.menu;
            } else {
                // The question comes first; a dialog may follow it.
                ASSERT_FALSE(boxes.empty()) << twin.menu;
                EXPECT_EQ(boxes[0].substr(0, boxes[0].find(':')), twin.box);
            }
            if (answer == IDOK) {
                EXPECT_EQ(std::get<1>(results[0]), twin.phase) << twin.menu;
            }
        }
    }
}

class Closing : public ProgramTest, public ::testing::WithParamInterface<bool> {
  protected:
    // Menu Exit, which the application's table turns into a close request; or the request.
    void Request() { GetParam() ? driver.Command(MenuExit) : driver.Close(); }
};

TEST_P(Closing, AGameInProgressAsksAndClosesOnlyOnOk) {
    Start();
    Touch();
    Answer(IDCANCEL);
    Request();
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_EQ(LastBox().caption, "Warning");
    EXPECT_EQ(LastBox().type, MB_OKCANCEL);
    EXPECT_TRUE(frame->HasWindow());
    EXPECT_EQ(frame->state.phase, Playing);
    EXPECT_TRUE(TimerRunning()) << "the clock goes on";

    Answer(IDOK);
    Request();
    EXPECT_FALSE(frame->HasWindow());
    EXPECT_TRUE(driver.System().QuitPosted());
    EXPECT_EQ(app.EndInstance(), 0);
    EXPECT_EQ(app.GetMainWnd(), nullptr);
    EXPECT_TRUE(ReadValues(SettingsKeyPath).empty()) << "nothing is saved at exit";
}

TEST_P(Closing, APausedGameRefusesWithoutAsking) {
    Start();
    Touch();
    driver.Command(MenuPause);
    Request();
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_TRUE(frame->HasWindow());
    EXPECT_EQ(frame->state.phase, Paused);
    // Resumed by a press, it asks again.
    Touch();
    Answer(IDOK);
    Request();
    EXPECT_EQ(BoxCount(), 1u);
    EXPECT_FALSE(frame->HasWindow());
}

TEST_P(Closing, AnUntouchedGameClosesWithoutAsking) {
    Start();
    Request();
    EXPECT_EQ(BoxCount(), 0u);
    EXPECT_FALSE(frame->HasWindow());
}

INSTANTIATE_TEST_SUITE_P(ExitOrCloseRequest, Closing, ::testing::Bool());

}  // namespace
}  // namespace velinor::test
