#pragma once
// The simulated access point as a benchmark starts it: vap7720-sim on a free
// UDP port of 127.0.0.1, its state folder and control socket inside the
// benchmark's folder, waited for until its control channel answers, and
// stopped by its process id.

#include <sys/types.h>

#include <string>
#include <vector>

#include "sim/control_client.h"

class BenchSimulator {
public:
    // Starts it with these options added to the standard ones (e.g.
    // "--fixture" and a file); its output goes to <folder>/sim.log.
    BenchSimulator(const std::string& folder, const std::vector<std::string>& options = {});
    ~BenchSimulator();  // stops it
    BenchSimulator(const BenchSimulator&) = delete;
    BenchSimulator& operator=(const BenchSimulator&) = delete;

    bool Started() const { return pid_ > 0; }
    int Port() const { return port_; }
    // One command over the control channel.
    sim::ControlReply Control(const std::string& line) const;

private:
    bool Launch(const std::vector<std::string>& options);
    bool WaitUntilAnswering();
    void Stop();

    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};
