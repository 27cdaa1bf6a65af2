#pragma once
// Where a timer of this process next fires. The timers of one process fire
// on a common grid of instants, counted from an origin of the process's own,
// so that timers with related intervals (a 500 ms blink, a 2 s poll) wake the
// process once for all of them. The origin differs from process to process:
// many modules open at once do not all wake at the same instant and contend
// for the processors (a grid shared by every process, as Qt's coarse timers
// use, made each idle module cost more the more modules were open).

#include <cstdint>

namespace os {

// The instant nearest to `due` on the coarsest grid (steps of 500, 250, 100,
// 50 or 25 ms from `origin`) that lies within a twentieth of `interval` of
// it; `due` itself when no grid instant is that close. Milliseconds of
// TickCount().
uint64_t GridInstant(uint64_t origin, uint64_t due, uint64_t interval);

// This process's origin: fixed at the first call, and offset by the process
// id so that processes started in the same millisecond still differ.
uint64_t ProcessGridOrigin();

}  // namespace os
