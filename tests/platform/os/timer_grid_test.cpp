#include "platform/os/timer_grid.h"

#include <gtest/gtest.h>

#include "platform/os/clock.h"

namespace {

struct GridCase {
    const char* what;
    uint64_t origin;
    uint64_t due;
    uint64_t interval;
    uint64_t expected;
};

}  // namespace

TEST(TimerGrid, MovesADueInstantToTheCoarsestGridWithinATwentiethOfTheInterval) {
    const GridCase cases[] = {
        {"a 2 s tick a little late falls back on the 500 ms grid", 1000, 3003, 2000, 3000},
        {"a 2 s tick a little early moves forward to it", 1000, 2910, 2000, 3000},
        {"too far from a 500 ms instant: the 250 ms grid", 1000, 2780, 2000, 2750},
        {"a 500 ms blink may move 25 ms", 7, 1532, 500, 1507},
        {"further from a 500 ms instant it takes the 250 ms grid", 7, 1747, 500, 1757},
        {"exactly between two instants: the earlier", 0, 250, 5000, 0},
        {"a 20 ms pump stays where it is", 100, 613, 20, 613},
        {"a short timer off every grid keeps its instant", 0, 1013, 10, 1013},
        {"a short timer on a grid instant keeps it", 0, 1025, 10, 1025},
        {"before the origin: unchanged", 5000, 4990, 2000, 4990},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(os::GridInstant(c.origin, c.due, c.interval), c.expected);
    }
}

// The grid is the process's: the same due instant lands elsewhere for a
// process with another origin, so processes do not wake together.
TEST(TimerGrid, TheGridFollowsTheOrigin) {
    EXPECT_EQ(os::GridInstant(10'000, 12'010, 2000), 12'000u);
    // 127 ms from the next 500 ms instant, 123 from a 250 ms one: the 100 ms grid.
    EXPECT_EQ(os::GridInstant(10'137, 12'010, 2000), 12'037u);
}

TEST(TimerGrid, TheProcessOriginIsFixedAndPast) {
    uint64_t origin = os::ProcessGridOrigin();
    EXPECT_LE(origin, os::TickCount());
    EXPECT_EQ(os::ProcessGridOrigin(), origin);
}
