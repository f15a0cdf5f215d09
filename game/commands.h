// The program's commands by identifier: the menu items and their toolbar twins.
#pragma once

#include <cstdint>

namespace velinor {

enum CommandId : uint32_t {
    MenuExit = 40001,
    MenuAbout = 40003,
    MenuOptions = 40004,
    MenuNewGame = 40005,
    MenuShowSolution = 40007,
    MenuLearnRules = 40008,
    ToolLearnRules = 40009,
    ToolOptions = 40010,
    ToolNewGame = 40011,
    ToolPause = 40012,
    MenuHint = 40013,
    ToolHint = 40014,
    MenuPause = 40015,
    ToolShowSolution = 40016,
};

}  // namespace velinor
