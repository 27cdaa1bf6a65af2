#pragma once
// Whether the device answers: a restart takes it down for the restart time
// (scaled by VAP_TIME_SCALE) and brings it back with a new boot; applying the
// settings may pause it without a new boot; a test can also take it down and
// up by hand.

#include <cstdint>

namespace sim {

class Device;
class TrafficGate;

class Liveness {
public:
    Liveness(TrafficGate& gate, Device& device, int restartMs);

    // Down now; back after the restart time with a new boot.
    void Restart();

    // Down now; back after `milliseconds` (scaled) with the same boot.
    void Pause(int milliseconds);

    // Down until ComeUp(), with the same boot.
    void GoDown();
    void ComeUp();

    // Brings the device back when its down time is over.
    void Poll();

    // Milliseconds until the down time ends, or -1 when none is running.
    int64_t MillisecondsToNextEvent() const;

private:
    void DownFor(int milliseconds, bool newBoot);

    TrafficGate& gate_;
    Device& device_;
    int restartMs_;
    bool timedDown_ = false;  // down until backAt_
    bool newBoot_ = false;    // and then boots again
    uint64_t backAt_ = 0;
};

}  // namespace sim
