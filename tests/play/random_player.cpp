#include "tests/play/random_player.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <random>

#include "app/game_app.h"
#include "game/commands.h"
#include "platform/headless/headless.h"
#include "platform/random/random.h"
#include "render/layout.h"
#include "store/registry_schema.h"
#include "tests/play/play_checks.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

constexpr std::array<uint32_t, 14> Commands = {
    MenuExit,       MenuAbout,      MenuOptions, MenuNewGame,     MenuShowSolution,
    MenuLearnRules, ToolLearnRules, ToolOptions, ToolNewGame,     ToolPause,
    MenuHint,       ToolHint,       MenuPause,   ToolShowSolution};

// Every SaveSettings call the program makes (the linker sends them through the wrapper below):
// what was saved, and what the store answered.
struct SaveWatch {
    uint64_t count = 0;
    Settings last{};
    int32_t result = 0;
} saves;

// One run of the program, from start-up to its end.
struct Program {
    HeadlessDriver driver;
    GameApp app;
    ~Program() {
        if (app.GetMainWnd() != nullptr) app.EndInstance();
    }
};

// What the store file looks like from outside, to tell whether anything wrote to it; a missing
// file gives the error values.
using FileMark = std::pair<uintmax_t, std::filesystem::file_time_type>;
FileMark MarkOf(const std::filesystem::path& file) {
    std::error_code error;
    return {std::filesystem::file_size(file, error), std::filesystem::last_write_time(file, error)};
}

class Player {
  public:
    Player(const PlayOptions& options, PlayReport& report)
        : options_(options), report_(report), random_(options.seed) {}

    void Run() {
        WriteValue(SettingsKeyPath,
                   {"size", REG_DWORD, {static_cast<uint8_t>(options_.difficulty), 0, 0, 0}});
        storeMark_ = MarkOf(store_.file());
        while (report_.events < options_.events && report_.fault.empty()) {
            if (!program_ || sessionEvents_ >= options_.sessionLength) StartSession();
            if (!report_.fault.empty()) break;
            PlayOneEvent();
        }
        program_.reset();
    }

  private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    template <class Items>
    auto Pick(const Items& items) {
        return items[static_cast<size_t>(Uniform(0, static_cast<int>(std::size(items)) - 1))];
    }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }
    MainFrame& Frame() { return *program_->app.Frame(); }
    HeadlessDriver& Driver() { return program_->driver; }

    void StartSession() {
        program_.reset();
        program_ = std::make_unique<Program>();
        ++report_.sessions;
        sessionEvents_ = 0;
        SeedRandom(random_());
        Driver().AnswerEvery([this](CDialog& modal) { ActInside(modal); });
        if (!program_->app.InitInstance()) return Fail("start-up failed");
        Driver().Wait(0);
        if (saves.count != 0 && !(Frame().settings == saves.last))
            return Fail("start-up did not load the last saved settings");
        gameSolution_ = Frame().board.solution;
        gamePenalty_ = 0;
        CheckAll();
    }

    void PlayOneEvent() {
        const uint64_t savesBefore = saves.count;
        Act();
        ++report_.events;
        ++sessionEvents_;

        const bool saved = saves.count != savesBefore;
        if (saved) ++report_.saves;
        if (auto fault = CheckStore(saved); !fault.empty()) return Fail(fault);
        if (Driver().System().QuitPosted()) return program_.reset();  // ends the instance
        CheckAll();
    }

    std::string CheckStore(bool saved) {
        const FileMark mark = MarkOf(store_.file());
        const bool changed = mark != storeMark_;
        storeMark_ = mark;
        if (!saved) return changed ? "the store changed without a save" : "";
        if (saves.result != 0) return "a save into a healthy store failed";
        return CheckStoredRecord(saves.last);
    }

    void CheckAll() {
        MainFrame& frame = Frame();
        const GameState& state = frame.state;
        const bool newGame = frame.board.solution != gameSolution_ ||
                             (state.phase == Playing && state.clockStart == 0 &&
                              state.eventCount == 0 && state.penaltyCells == 0);
        if (!newGame && state.penaltyCells < gamePenalty_)
            return Fail("penaltyCells fell from " + std::to_string(gamePenalty_) + " to " +
                        std::to_string(state.penaltyCells) + " within a game");
        if (state.phase == Finished && gamePhase_ != Finished) ++report_.gamesFinished;
        gamePhase_ = state.phase;
        gameSolution_ = frame.board.solution;
        gamePenalty_ = state.penaltyCells;
        const bool timer = Driver().System().Timers().PeriodOf({&frame, MainTimerId}).has_value();
        for (const std::string& fault :
             {CheckBoard(frame.board), CheckGameState(state, Driver().Now(), timer),
              CheckSettings(frame.settings)})
            if (!fault.empty()) return Fail(fault);
    }

    // Client pixels of a cell's centre.
    Point CellPoint(int x, int y) {
        const Board& board = Frame().board;
        return {board.originX + x * CellSize + CellSize / 2,
                board.originY + y * CellSize + CellSize / 2};
    }
    Point AnyPoint() {
        return {Uniform(-10, ScreenWidth + 10), Uniform(-CommandBarHeight - 4, 300)};
    }
    Point AnyCell() {
        const int n = Frame().board.gridSize;
        return CellPoint(Uniform(0, n - 1), Uniform(0, n - 1));
    }

    void Act() {
        HeadlessDriver& driver = Driver();
        const int roll = Uniform(1, 100);
        if (roll <= 20) return Stroke();
        if (roll <= 26) return SolutionStroke();
        if (roll <= 38) return Tap(AnyCell());
        if (roll <= 44) return Tap(AnyPoint());
        if (roll <= 50) return Tap({Uniform(0, ScreenWidth - 1), Uniform(-CommandBarHeight, -1)});
        if (roll <= 54) {
            const Point p = Chance(70) ? AnyCell() : AnyPoint();
            Tap(p);
            driver.Wait(static_cast<uint32_t>(Uniform(0, 300)));
            return driver.Tap(p.x + Uniform(-3, 3), p.y + Uniform(-3, 3));
        }
        if (roll <= 59) {
            std::vector<Point> points(static_cast<size_t>(Uniform(2, 6)));
            std::ranges::generate(points, [this] { return AnyPoint(); });
            return driver.Drag(points);
        }
        if (roll <= 70) return driver.Command(Pick(Commands));
        if (roll <= 72) return driver.Key(Chance(50) ? VK_RETURN : VK_ESCAPE);
        if (roll <= 91) return driver.Wait(static_cast<uint32_t>(Uniform(1, 400)));
        if (roll <= 95) return driver.Wait(5000);
        if (roll <= 97) return driver.JumpClock(600000);
        driver.Close();
    }

    void Tap(Point p) { Driver().Tap(p.x, p.y); }

    // A careless stroke: from a cell to its neighbours at random, sometimes off the board.
    void Stroke() {
        const int n = Frame().board.gridSize;
        Cell c{static_cast<int8_t>(Uniform(0, n - 1)), static_cast<int8_t>(Uniform(0, n - 1))};
        std::vector<Point> points{CellPoint(c.x, c.y)};
        for (int steps = Uniform(1, 14); steps > 0; --steps) {
            c = Neighbour(c, Uniform(Up, Left));
            points.push_back(CellPoint(c.x, c.y));
        }
        Driver().Drag(points);
    }

    // A line of the generated solution drawn from one endpoint to the other, so that games also
    // end solved.
    void SolutionStroke() {
        const Board& board = Frame().board;
        const int n = board.gridSize;
        std::vector<Cell> endpoints;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                if (board.solution[CellIndex(x, y)] > 0)
                    endpoints.push_back({static_cast<int8_t>(x), static_cast<int8_t>(y)});
        if (endpoints.empty()) return Stroke();
        Cell c = Pick(endpoints);
        std::vector<Point> points{CellPoint(c.x, c.y)};
        int from = 0;  // the side the walk entered by
        for (int d = Up; d <= Left && from == 0; ++d) {
            const int i = NeighbourIndex(n, c.x, c.y, d);
            if (i >= 0 && HasSide(board.solution[i], Opposite(d))) from = d;
        }
        for (int steps = 0; from != 0 && steps < LayerCells; ++steps) {
            c = Neighbour(c, from);
            points.push_back(CellPoint(c.x, c.y));
            const int8_t v = board.solution[CellIndex(c.x, c.y)];
            if (v >= 0) break;
            from = OtherSide(v, Opposite(from));
        }
        Driver().Drag(points);
    }

    // A box or dialog: its controls worked at random, then confirmed, cancelled or left open.
    void ActInside(CDialog& modal) {
        HeadlessDriver& driver = Driver();
        ++report_.modals;
        if (modal.Kind() == ModalKind::ColourChooser) {
            if (Chance(50))
                driver.ChooseColour(RGB(Uniform(0, 255), Uniform(0, 255), Uniform(0, 255)));
            else if (Chance(80))
                driver.Click(IDCANCEL);
        } else {
            const int actions = modal.Kind() == ModalKind::Dialog ? Uniform(0, 8) : Uniform(0, 1);
            for (int i = 0; i < actions && driver.OpenModal() == &modal; ++i) {
                const int roll = Uniform(1, 100);
                if (roll <= 55) {
                    if (!modal.Controls().empty()) driver.Click(Pick(modal.Controls()).id);
                } else if (roll <= 80) {
                    Tap(AnyPoint());
                } else if (roll <= 90) {
                    driver.Drag(std::array<Point, 2>{AnyPoint(), AnyPoint()});
                } else {
                    driver.Wait(static_cast<uint32_t>(Uniform(0, 200)));
                }
            }
            if (driver.OpenModal() == &modal && Chance(85))
                driver.Click(Chance(50) ? IDOK : IDCANCEL);
        }
    }

    void Fail(const std::string& fault) {
        if (!report_.fault.empty()) return;
        report_.fault = "seed " + std::to_string(options_.seed) + ", difficulty " +
                        std::to_string(options_.difficulty) + ", after event " +
                        std::to_string(report_.events) + ": " + fault;
    }

    const PlayOptions& options_;
    PlayReport& report_;
    std::mt19937_64 random_;
    TempStore store_ = TempStore::InMemory();
    FileMark storeMark_;
    std::unique_ptr<Program> program_;
    uint64_t sessionEvents_ = 0;
    Layer gameSolution_{};
    uint32_t gamePenalty_ = 0;
    GamePhase gamePhase_ = Playing;
};

}  // namespace

PlayReport PlayRandomly(const PlayOptions& options) {
    PlayReport report;
    saves = {};
    Player(options, report).Run();
    return report;
}

}  // namespace velinor::test

extern "C" int32_t __real__ZN7velinor12SaveSettingsERKNS_8SettingsE(const velinor::Settings&);

extern "C" int32_t __wrap__ZN7velinor12SaveSettingsERKNS_8SettingsE(const velinor::Settings& s) {
    velinor::test::saves.result = __real__ZN7velinor12SaveSettingsERKNS_8SettingsE(s);
    velinor::test::saves.last = s;
    ++velinor::test::saves.count;
    return velinor::test::saves.result;
}
