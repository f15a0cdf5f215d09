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

    const HeadlessDriver::ModalRecord& LastBox() const { return driver.Modals().back(); }

    TempStore store;
    HeadlessDriver driver;
    GameApp app;
    MainFrame* frame = nullptr;
};

}  // namespace velinor::test
