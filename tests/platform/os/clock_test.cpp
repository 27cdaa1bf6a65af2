#include "platform/os/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

// The test runs with whatever VAP_TIME_SCALE the environment has; the
// expectations are written in terms of TimeScale().
TEST(Clock, ScaledKeepsRatiosAboveAFloorOfAFewMilliseconds) {
    double scale = os::TimeScale();
    EXPECT_GT(scale, 0.0);
    EXPECT_EQ(os::Scaled(0), 0);
    EXPECT_EQ(os::Scaled(-1), -1);
    EXPECT_GE(os::Scaled(1), 1);
    EXPECT_GE(os::Scaled(1200), 5);
    if (scale == 1.0) {
        EXPECT_EQ(os::Scaled(1200), 1200);
        EXPECT_EQ(os::Scaled(3), 3);
    }
}

TEST(Clock, TickCountIsMonotonicAndCountsMilliseconds) {
    uint64_t before = os::TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    uint64_t after = os::TickCount();
    EXPECT_GE(after - before, 30u);
    EXPECT_LT(after - before, 5000u);
}

TEST(Clock, SetTimeScaleTakesOnlyAPositiveFiniteFactor) {
    const double before = os::TimeScale();
    os::SetTimeScale(0.5);
    EXPECT_EQ(os::Scaled(1200), 600);
    for (double refused : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::nan("")}) {
        os::SetTimeScale(refused);
        EXPECT_EQ(os::TimeScale(), 0.5) << refused;
    }
    os::SetTimeScale(before);
    EXPECT_EQ(os::TimeScale(), before);
}
