// The whole program on the headless back end, with a store of its own that a test may fill
// before start-up.
#pragma once

#include <gtest/gtest.h>

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

    // The menu's items as "text id", in order.
    std::vector<std::string> MenuItems() {
        CMenu& popup = *frame->GetMenu()->GetSubMenu(0);
        std::vector<std::string> items;
        for (int i = 0; i < popup.GetMenuItemCount(); ++i)
            items.push_back(popup.GetMenuString(i) + " " + std::to_string(popup.GetMenuItemID(i)));
        return items;
    }

    const HeadlessDriver::ModalRecord& LastBox() const { return driver.Modals().back(); }

    TempStore store;
    HeadlessDriver driver;
    GameApp app;
    MainFrame* frame = nullptr;
};

}  // namespace velinor::test
