// Options on the program's main window.
#pragma once

#include <functional>
#include <optional>

#include "app/resources.h"
#include "tests/game/game_fixture.h"
#include "ui/dialog_templates.h"
#include "ui/options.h"
#include "ui/options_dialog.h"

namespace velinor::test {

class OptionsFixture : public GameFixture {
  protected:
    // Runs Options; `inside` acts in the open dialog, which is cancelled if left open.
    void RunOptions(std::function<void(CDialog&)> inside) {
        driver.AnswerNext(std::move(inside));
        driver.Command(MenuOptions);
    }
    // The next message box gets this button.
    void Answer(int button) {
        driver.AnswerNext([this, button](CDialog&) { driver.Click(button); });
    }
    CDialog& Dialog() const { return *driver.OpenModal(); }
    std::optional<uint32_t> NextTimer() {
        return driver.System().Timers().TimeToNextDue(driver.Now());
    }
    // What the registry holds; none when nothing was saved.
    std::optional<Settings> Stored() const {
        Settings stored{.versionText = ProgramVersion};  // written, never read back
        if (LoadSettings(stored) != 0) return std::nullopt;
        return stored;
    }
};

}  // namespace velinor::test
