// The short campaign: 20,000 events of random play at each difficulty, every invariant checked
// after each event.
#include <gtest/gtest.h>

#include "tests/play/random_player.h"

namespace velinor::test {
namespace {

class RandomPlay : public ::testing::TestWithParam<int> {};

TEST_P(RandomPlay, TwentyThousandEventsBreakNoInvariant) {
    const PlayReport report = PlayRandomly({.seed = 16 + static_cast<uint64_t>(GetParam()),
                                            .difficulty = GetParam(),
                                            .events = 20000});
    EXPECT_EQ(report.fault, "");
    EXPECT_EQ(report.events, 20000u);
    // The run went where it should: games finished and saved, boxes answered, restarts.
    EXPECT_GT(report.gamesFinished, 10u);
    EXPECT_GT(report.saves, 10u);
    EXPECT_GT(report.modals, 100u);
    EXPECT_GT(report.sessions, 8u);
}

INSTANTIATE_TEST_SUITE_P(EachDifficulty, RandomPlay, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace velinor::test
