#pragma once
// What the module knows of the device's liveness, for the reads that would
// otherwise wait out their whole time-out against a device that does not
// answer. The main window's probe (every 2 s) reports each outcome; a read
// that got no answer at all reports that too, so that a device that fell
// silent between two probes costs one time-out, not one per read. Until a
// probe has run (no main window, as in the page tests) nothing is known and
// every read is made.
//
//   if (DeviceKnownSilent()) ... skip the read, say the device does not answer
//   NoteReadTimedOut();          // a read got no answer

// True while the last probe went unanswered, or a read timed out after the
// last answered probe.
bool DeviceKnownSilent();

// The probe's outcome: answered or not.
void NoteProbeOutcome(bool answered);
// A read got no answer at all; counts only once a probe has run.
void NoteReadTimedOut();
// Back to "nothing known" (the main window goes away).
void ForgetDeviceLiveness();
