// Every text of the Options dialog fits its control in both languages: each line within the
// room the toolkit's drawing leaves it, all lines within its height. The one-line summary is
// exempt in width only: it scrolls.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/text.h"
#include "tests/ui/options_fixture.h"

namespace velinor::test {
namespace {

// Inside a button's outline; right of a radio's ring (9 pixels) and gap (3); inside an edit's
// frame and pixel of paper; in a group box's caption gap (6 pixels in, 2 of paper each side).
Rect TextRoom(const Control& c) {
    const Rect r = c.rect;
    switch (c.kind) {
        case ControlKind::PushButton:
            return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        case ControlKind::RadioButton:
            return {r.left + 12, r.top, r.right, r.bottom};
        case ControlKind::Edit:
            return {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        case ControlKind::GroupBox:
            return {r.left + 8, r.top, r.right - 8, r.top + TextLineHeight()};
        default:
            return r;
    }
}

TEST_F(OptionsFixture, EveryTextFitsItsControlInBothLanguages) {
    // Values of every form up to hours.
    settings.stats[0][2] = {
        .besttime = 599900, .totalplay = 148, .totaltime = 5025600, .totalpenal = 237};
    for (int32_t language : {0, 1}) {
        for (int32_t difficulty : {0, 2}) {
            settings.language = language;
            settings.difficulty = difficulty;
            RunOptions([&](CDialog& dialog) {
                for (const Control& c : dialog.Controls()) {
                    SCOPED_TRACE(testing::Message() << "control " << c.id << ", language "
                                                    << language << ", difficulty " << difficulty);
                    const Rect room = TextRoom(c);
                    const bool scrolls =
                        c.kind == ControlKind::Edit && (c.style & ES_AUTOHSCROLL) != 0;
                    int lines = 0;
                    for (size_t start = 0; start <= c.text.size() && !c.text.empty(); ++lines) {
                        const size_t end = std::min(c.text.find("\r\n", start), c.text.size());
                        const std::string line = c.text.substr(start, end - start);
                        EXPECT_TRUE(scrolls || TextWidth(line) <= room.Width()) << line;
                        start = end + 2;
                    }
                    EXPECT_LE(lines * TextLineHeight(), room.Height());
                }
            });
        }
    }
}

}  // namespace
}  // namespace velinor::test
