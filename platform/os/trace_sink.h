#pragma once
// Where debug trace text goes: a Unix datagram socket at
// RuntimeFolder()/vap7720-trace.sock. A debug viewer that wants the trace binds
// a datagram socket there; each SendTrace() is then one datagram to it. When
// nothing listens (no socket file, a stale one, a full queue), nothing is sent
// and nothing fails. Sending never blocks.

#include <string>

namespace os {

std::string TraceSocketPath();

// Sends text as one datagram; returns whether a listener took it. Callers
// that do not care may ignore the result: a trace is never an error.
bool SendTrace(const std::string& text);

}  // namespace os
