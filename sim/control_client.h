#pragma once
// The client side of the simulator's control channel (control_channel.h):
// one command line sent over the Unix socket, and the reply read back, data
// lines first, then "ok" or "error <reason>". For the programs that drive a
// simulator they started: tests and benchmarks.

#include <string>
#include <vector>

namespace sim {

// A control command's reply: the data lines, and whether it ended in "ok".
struct ControlReply {
    bool ok = false;
    std::vector<std::string> lines;
    std::string error;  // the reason after "error", or why nothing came back
};

// Connects to the channel at socketPath, sends one command and waits for its
// reply.
ControlReply SendControlCommand(const std::string& socketPath, const std::string& line);

}  // namespace sim
