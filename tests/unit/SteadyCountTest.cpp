#include "panels/SteadyCount.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CountedSeconds, CountsWholeSecondsFromATenthBeforeEachEnds)
{
    constexpr std::uint64_t kStart = 5000;
    constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t before;
        std::uint64_t now;
        std::int32_t counted;
    } cases[] = {
        {0, kStart, 0},
        {0, kStart + 899, 0},
        {0, kStart + 900, 1},  // a tick 100 ms early counts
        {0, kStart + 1016, 1},
        {0, kStart + 1899, 1},
        {0, kStart + 3050, 3},  // a late tick counts them all
        {7, kStart + 1000, 8},
        {7, kStart - 1, 7},                 // after a pause; never back
        {0, kStart + 600000, 600},          // no tick for ten minutes
        {kMost - 1, kStart + 5000, kMost},  // it stops at the largest
    };
    for (const auto& c : cases)
        EXPECT_EQ(CountedSeconds(c.before, kStart, c.now), c.counted) << c.before << " " << c.now - kStart;
}

// A tick that comes long after the end, as the first one after a sleep does, finds the clock run out all the same.
TEST(RunningOut, TheCounterAtAHundredMinutesAndTheTimerAtZero)
{
    EXPECT_FALSE(HasCounterRunOut(5999));
    EXPECT_TRUE(HasCounterRunOut(6000));
    EXPECT_TRUE(HasCounterRunOut(6060));
    EXPECT_EQ(TimerSecondsLeft(300, 299), 1);
    EXPECT_EQ(TimerSecondsLeft(300, 300), 0);
    EXPECT_EQ(TimerSecondsLeft(300, 600), 0);
}

}  // namespace
