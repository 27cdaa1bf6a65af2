// This test program runs every time-out at 1/20 of its length (unless the
// caller chose a scale), so that time-outs of seconds take a few hundred
// milliseconds. The clock reads the scale at its first use, after this.
#include <cstdlib>

[[maybe_unused]] static const bool timeScaleChosen = setenv("VAP_TIME_SCALE", "0.05", 0) == 0;
