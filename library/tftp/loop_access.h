#pragma once
// The program's event loop as the TFTP server and its sessions use it
// (platform/os/event_loop.h): the window layer installs it at start-up, so
// the server needs no window layer of its own.

#include <functional>

#include "platform/os/event_loop.h"

namespace tftp {

// The installed loop. Throws std::logic_error when none is installed: a
// server without a loop would never hear its sockets.
os::EventLoop& Loop();

// Runs a status callback through the loop's exception boundary. Without a
// loop (the program is ending) an exception it throws is written to standard
// error and goes no further.
void CallGuarded(const std::function<void()>& code);

// Handles events for at most `milliseconds`; false at once without a loop.
bool WaitForEvents(int milliseconds);

}  // namespace tftp
