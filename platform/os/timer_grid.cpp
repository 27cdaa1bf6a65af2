#include "platform/os/timer_grid.h"

#include <unistd.h>

#include "platform/os/clock.h"

namespace os {

namespace {

constexpr uint64_t kSteps[] = {500, 250, 100, 50, 25};

uint64_t Distance(uint64_t a, uint64_t b) { return a > b ? a - b : b - a; }

}  // namespace

uint64_t GridInstant(uint64_t origin, uint64_t due, uint64_t interval) {
    if (due < origin) return due;
    uint64_t tolerance = interval / 20;
    for (uint64_t step : kSteps) {
        uint64_t below = origin + (due - origin) / step * step;
        uint64_t nearest = Distance(below, due) <= Distance(below + step, due) ? below : below + step;
        if (Distance(nearest, due) <= tolerance) return nearest;
    }
    return due;
}

uint64_t ProcessGridOrigin() {
    // 397 spreads consecutive process ids across the coarsest step.
    static const uint64_t origin = TickCount() - static_cast<uint64_t>(::getpid()) * 397 % kSteps[0];
    return origin;
}

}  // namespace os
