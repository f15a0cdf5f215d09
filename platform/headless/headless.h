// The headless back end: no window; code feeds the stylus, the keys and the clock, answers the
// boxes and dialogs, and reads the screen. For instance:
//
//   HeadlessDriver driver;  // the clock at 1000000
//   app.InitInstance();
//   driver.AnswerNext([&](CDialog&) { driver.Click(IDOK); });
//   driver.Command(40005);  // its question is answered OK
//   driver.Tap(80, 110);
//   driver.Wait(1000);      // ten ticks of a 100 ms timer, each with its paint
//   driver.WriteScreenPng("game.png", &error);
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/window/backend.h"
#include "platform/window/dialog.h"
#include "platform/window/window_system.h"

namespace velinor {

class HeadlessDriver final : private Backend {
  public:
    // Starts the window system; the clock stands at FirstTick until told to move.
    HeadlessDriver();
    ~HeadlessDriver() override = default;
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    uint32_t Now() const { return now_; }
    WindowSystem& System() { return system_; }

    // The stylus, in the main window's client pixels (the command bar lies at y -26 to -1).
    // Each call delivers every message it causes, paints included, before it returns.
    void Press(int x, int y);
    void Move(int x, int y);
    void Release(int x, int y);
    void Tap(int x, int y);
    // Press at the first point, move through the others, release at the last.
    void Drag(std::span<const Point> points);
    void Key(uint32_t key);
    // A command or a close request to the application's main window.
    void Command(uint32_t id);
    void Close();

    // Moves the clock on by `ms` as the device would run: each timer fires when it falls due,
    // with every paint it causes.
    void Wait(uint32_t ms);
    // The clock leaps by `ms` with nothing running meanwhile (the device slept); each timer that
    // fell due fires once.
    void JumpClock(uint32_t ms);

    // Who answers a modal box or dialog: every one that opens goes to the first queued hook,
    // or else to the standing one. The hook acts through this driver (Click, Wait, Tap...)
    // while the box is open. A box nobody answers, or left open by its hook, is closed as
    // its close box would (Cancel; OK for a box with OK alone).
    using ModalHook = std::function<void(CDialog&)>;
    void AnswerNext(ModalHook hook);
    void AnswerEvery(ModalHook hook);

    CDialog* OpenModal() const { return system_.TopModal(); }
    // Works a control of the open box or dialog (IDOK, IDCANCEL, a button, a radio).
    bool Click(int id);
    // Answers the open colour chooser with this colour.
    bool ChooseColour(COLORREF colour);

    // Every modal opened so far, in order.
    struct ModalRecord {
        ModalKind kind = ModalKind::Dialog;
        uint32_t templateId = 0;
        std::string caption;
        std::string text;   // a message box's text
        unsigned type = 0;  // a message box's buttons
        bool answered = false;
    };
    const std::vector<ModalRecord>& Modals() const { return modals_; }

    // The screen: a pixel at client coordinates (InvalidColour outside), or the whole of it.
    COLORREF ReadPixel(int x, int y);
    const Bitmap& Screen() { return system_.Screen(); }
    bool WriteScreenPng(const std::string& path, std::string* error);

    const std::string& Title() const { return title_; }

  private:
    uint32_t TickCount() override { return now_; }
    bool WaitForInput(std::optional<uint32_t> timeout) override;
    void ScreenChanged() override {}
    void SetTitle(std::string_view title) override { title_ = title; }
    void SetIcon(const Bitmap&) override {}

    static Point ToScreen(int x, int y) { return {x, y + CommandBarHeight}; }
    void Pump() { system_.PumpUntilIdle(); }

    uint32_t now_ = FirstTick;
    std::string title_;
    std::deque<ModalHook> nextHooks_;
    ModalHook everyHook_;
    std::vector<ModalRecord> modals_;
    std::set<uint64_t> answered_;  // the modal loops given to a hook
    WindowSystem system_;
};

}  // namespace velinor
