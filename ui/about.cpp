#include "ui/about.h"

#include <cstdio>

#include "game/clock.h"

namespace velinor {

std::string ProgramVersionText() {
    std::string text;
    for (char16_t c : ProgramVersion) {
        if (c == 0) break;
        text += static_cast<char>(c);
    }
    return text;
}

void OnAbout(GameContext& context) {
    EndIntro(context);
    char text[96];
    std::snprintf(text, sizeof text, "%s %s\r\n%s\r\n%s", "Velinor", ProgramVersionText().c_str(),
                  "by the Velinor project", "December 2026");
    // The text reads the same in both languages; only the caption follows the language.
    const char* caption = context.settings.language == 1 ? "A propos" : "About";
    context.window.MessageBox(text, caption, MB_OK);
}

}  // namespace velinor
