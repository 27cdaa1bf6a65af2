// A program of its own, so that the time scale is set before anything reads
// it: VAP_TIME_SCALE=0.01 makes a 1200 ms timer fire after about 12 ms.

#include <cstdlib>

#include "platform/os/clock.h"
#include "platform/ui/timer.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

const int scaleSet = setenv("VAP_TIME_SCALE", "0.01", 1);

class uiTimeScale : public uitest::UiTest {};

TEST_F(uiTimeScale, A1200MillisecondTimerFiresAfterAboutTwelve) {
    ASSERT_EQ(scaleSet, 0);
    ASSERT_DOUBLE_EQ(os::TimeScale(), 0.01);
    ui::Timer timer(nullptr);
    uint64_t started = os::TickCount();
    uint64_t firstTick = 0;
    timer.OnTimer = [&](ui::Component*) {
        if (firstTick == 0) firstTick = os::TickCount();
    };
    timer.SetInterval(1200);
    ASSERT_TRUE(RunUntil([&] { return firstTick != 0; }, 2000));
    uint64_t elapsed = firstTick - started;
    EXPECT_GE(elapsed, 10u);
    // Generous for a loaded machine, still a hundredth of the unscaled time.
    EXPECT_LT(elapsed, 300u);
}

}  // namespace
