#pragma once
// Opening the module's SNMP session at start-up.

// Creates the global SNMP session with its engine-boots counter file in the
// current folder (so the working folder must be writable), which also sets
// the library defaults, and then sets the version to SNMPv1. Raises
// os::Exception with the session's message on failure: -506 no session,
// -507 counter file unreadable, -508 counter file not written.
void OpenDeviceSession();
