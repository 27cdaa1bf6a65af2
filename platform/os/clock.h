#pragma once
// Time for the whole program. Every interval and time-out passes through
// Scaled(), so that tests can run long waits quickly: the environment variable
// VAP_TIME_SCALE (default 1) multiplies every interval, keeping the ratios
// between them. Only tests set it.

#include <cstdint>

namespace os {

// Milliseconds of a monotonic clock; 64 bits, so it never wraps.
uint64_t TickCount();

// The factor read from VAP_TIME_SCALE once (1 when unset, unparsable or not
// positive).
double TimeScale();

// Replaces the factor (ignored unless positive and finite); intervals already
// started keep theirs. For tests: one that waits out a silent device's
// time-outs passes them faster.
void SetTimeScale(double scale);

// An interval in milliseconds after scaling. Scaling never takes a positive
// interval below a floor of a few milliseconds (or below itself when it is
// shorter than that floor), so timers stay timers; 0 and negative values pass
// through unchanged.
int Scaled(int milliseconds);

// Blocks the calling thread for Scaled(milliseconds).
void Sleep(int milliseconds);

}  // namespace os
