#include "shell/device_liveness.h"

namespace {

enum class Liveness { Unknown, Answering, Silent };

Liveness state = Liveness::Unknown;

}  // namespace

bool DeviceKnownSilent() { return state == Liveness::Silent; }

void NoteProbeOutcome(bool answered) { state = answered ? Liveness::Answering : Liveness::Silent; }

void NoteReadTimedOut() {
    if (state != Liveness::Unknown) state = Liveness::Silent;
}

void ForgetDeviceLiveness() { state = Liveness::Unknown; }
