// The sample program started on a back end, its frame's log empty.
#pragma once

#include <gtest/gtest.h>

#include "tests/platform/window/sample_app.h"

namespace velinor::test {

template <class Backend>
struct ShellTest : ::testing::Test {
    Backend driver;
    SampleApp app;
    SampleFrame* frame = nullptr;

    void SetUp() override {
        ASSERT_TRUE(app.InitInstance());
        frame = &app.Frame();
        frame->log.clear();
    }
};

}  // namespace velinor::test
