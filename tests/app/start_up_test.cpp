// Start-up and shut-down where scripts cannot look: the title, the offscreen buffer the size of
// the client area below the 26-pixel command bar, and its release at exit.
#include <gtest/gtest.h>

#include "tests/app/program_fixture.h"

namespace velinor::test {
namespace {

TEST_F(ProgramTest, StartsTitledWithTheClientAreasBufferAndReleasesItAtExit) {
    Start();
    EXPECT_EQ(driver.Title(), "Velinor");
    EXPECT_TRUE(frame->commandBar.IsWindowVisible());
    EXPECT_TRUE(frame->offscreen.created);
    EXPECT_EQ(std::pair(frame->offscreen.width, frame->offscreen.height), std::pair(240, 294));
    PostQuitMessage(3);
    EXPECT_EQ(app.ExitInstance(), 3);
    EXPECT_FALSE(frame->offscreen.created);
}

}  // namespace
}  // namespace velinor::test
