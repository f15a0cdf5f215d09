// The sample program started on the headless back end, its frame's log empty.
#pragma once

#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "tests/platform/window/sample_app.h"

namespace velinor::test {

struct ShellTest : ::testing::Test {
    HeadlessDriver driver;
    SampleApp app;
    SampleFrame* frame = nullptr;

    void SetUp() override {
        ASSERT_TRUE(app.InitInstance());
        frame = &app.Frame();
        frame->log.clear();
    }
};

}  // namespace velinor::test
