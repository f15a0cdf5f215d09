// The whole program on the headless back end, with a store of its own that a test may fill
// before start-up.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "platform/headless/headless.h"
#include "platform/random/random.h"
#include "platform/window/menu.h"
#include "store/registry_schema.h"
#include "tests/support/temp_store.h"

namespace velinor::test {

// The menu's commands in resource order, whatever the language.
constexpr std::array<uint32_t, 8> MenuCommands = {40005, 40015, 40013, 40007,
                                                  40008, 40004, 40003, 40001};

class ProgramTest : public ::testing::Test {
  protected:
    // Start-up as the program runs it, then every message it caused; the same seed gives the
    // same first puzzle.
    void Start(uint64_t seed = 1) {
        SeedRandom(seed);
        ASSERT_TRUE(app.InitInstance());
        driver.Wait(0);
        frame = app.Frame();
    }
    void TearDown() override {
        if (app.GetMainWnd() != nullptr) app.EndInstance();
    }

    // A DWORD value as an earlier run, or a hand edit, left it in the store.
    void StoreDword(const char* name, int32_t value) {
        std::vector<uint8_t> bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> shift));
        ASSERT_EQ(WriteValue(SettingsKeyPath, {name, REG_DWORD, bytes}), ErrorSuccess);
    }

    CMenu& Popup() { return *frame->GetMenu()->GetSubMenu(0); }
    std::vector<std::string> MenuTexts() {
        std::vector<std::string> texts;
        for (int i = 0; i < Popup().GetMenuItemCount(); ++i)
            texts.push_back(Popup().GetMenuString(i));
        return texts;
    }
    std::vector<uint32_t> MenuIds() {
        std::vector<uint32_t> ids;
        for (int i = 0; i < Popup().GetMenuItemCount(); ++i)
            ids.push_back(Popup().GetMenuItemID(i));
        return ids;
    }

    // The next box gets this button; a box nobody answers gets its close box.
    void Answer(int button) {
        driver.AnswerNext([this, button](CDialog&) { driver.Click(button); });
    }
    size_t BoxCount() const { return driver.Modals().size(); }
    const HeadlessDriver::ModalRecord& LastBox() const { return driver.Modals().back(); }

    // A game in progress: a tap below the board ends the opening animation (and does nothing
    // else), then a tap on the top-left cell starts the clock.
    void Touch() {
        driver.Tap(5, 280);
        driver.Tap(frame->board.originX + CellSize / 2, frame->board.originY + CellSize / 2);
    }
    bool TimerRunning() {
        return driver.System().Timers().PeriodOf({frame, MainTimerId}).has_value();
    }

    TempStore store;
    HeadlessDriver driver;
    GameApp app;
    MainFrame* frame = nullptr;
};

}  // namespace velinor::test
