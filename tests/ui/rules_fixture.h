// A game on the test main window with Learn rules routed as the program's main window routes
// it, and the game's dialog templates among the resources.
#pragma once

#include "game/commands.h"
#include "tests/game/game_fixture.h"
#include "ui/dialog_templates.h"
#include "ui/learn_rules.h"

namespace velinor::test {

class RulesTestFrame : public GameTestFrame {
  public:
    using GameTestFrame::GameTestFrame;

  protected:
    const MessageMap* GetMessageMap() const override {
        static constexpr MessageEntry entries[] = {
            OnCommand<MenuLearnRules, &RulesTestFrame::OnLearnRules>,
            OnCommand<ToolLearnRules, &RulesTestFrame::OnLearnRules>,
        };
        static const MessageMap map{GameTestFrame::GetMessageMap(), entries};
        return &map;
    }

  private:
    void OnLearnRules() { velinor::OnLearnRules(game); }
};

inline const ResourceTable& GameResources() {
    static const ResourceTable table{{}, {}, {}, GameDialogTemplates()};
    return table;
}

class RulesFixture : public BasicGameFixture<RulesTestFrame> {
  protected:
    RulesFixture() { SetResources(GameResources()); }
};

}  // namespace velinor::test
