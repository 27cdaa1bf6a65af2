#pragma once
// The simulated access point as a test starts it: on a free UDP port of
// 127.0.0.1, with its own temporary folder and control socket, waited for
// until it answers, and stopped by its process id.

#include <string>
#include <sys/types.h>
#include <vector>

#include "sim/control_client.h"

namespace support {

struct SimSettings {
    std::vector<std::string> arguments;    // extra options (--user, --fixture, ...)
    std::vector<std::string> environment;  // extra NAME=VALUE for the process
    std::vector<std::string> launcher;     // a program the simulator runs under (e.g. strace)
};

using sim::ControlReply;

class SimProcess {
public:
    explicit SimProcess(SimSettings settings = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // What Start uses; may be changed before it.
    SimSettings& Settings() { return settings_; }

    // Starts it and waits until its control channel answers (the agent's port
    // is open by then). On failure `error` holds its output.
    bool Start(std::string& error);

    // SIGTERM by process id; returns its exit code (-1: killed or signalled).
    int Stop();

    // Waits for the process to end by itself (after "quit"); returns its exit
    // code, -1 when it ended by a signal, -2 when it still runs.
    int WaitForExit(int timeoutMs);

    bool Running() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    int Port() const { return port_; }
    std::string Address() const;  // "127.0.0.1:<port>" as net-snmp's tools take it
    std::string Folder() const { return folder_; }  // the test's folder for this simulator
    std::string StateFolder() const { return folder_ + "/state"; }
    std::string Output() const;  // what the process printed

    // One command over the control channel.
    ControlReply Control(const std::string& line) const;

private:
    bool WaitUntilAnswering(int timeoutMs);

    SimSettings settings_;
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = -1;
};

}  // namespace support
