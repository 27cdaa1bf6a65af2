#include "sim/liveness.h"

#include "platform/os/clock.h"
#include "sim/agent.h"
#include "sim/device.h"
#include "sim/traffic_gate.h"

namespace sim {

Liveness::Liveness(TrafficGate& gate, Device& device, int restartMs)
    : gate_(gate), device_(device), restartMs_(restartMs) {}

void Liveness::Restart() { DownFor(restartMs_, true); }

void Liveness::Pause(int milliseconds) { DownFor(milliseconds, false); }

void Liveness::DownFor(int milliseconds, bool newBoot) {
    gate_.SetDown(true);
    timedDown_ = true;
    newBoot_ = newBoot_ || newBoot;  // a pause during a restart still ends in a boot
    backAt_ = os::TickCount() + static_cast<uint64_t>(os::Scaled(milliseconds));
}

void Liveness::GoDown() {
    timedDown_ = false;
    gate_.SetDown(true);
}

void Liveness::ComeUp() {
    timedDown_ = false;
    newBoot_ = false;
    gate_.SetDown(false);
}

void Liveness::Poll() {
    if (!timedDown_ || os::TickCount() < backAt_) return;
    if (newBoot_) {
        AdvanceEngineBoots();
        device_.Boot();
    }
    ComeUp();
}

int64_t Liveness::MillisecondsToNextEvent() const {
    if (!timedDown_) return -1;
    uint64_t now = os::TickCount();
    return backAt_ > now ? static_cast<int64_t>(backAt_ - now) : 0;
}

}  // namespace sim
