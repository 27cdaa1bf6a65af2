#pragma once
// The simulated access point as one process: the object store and the device
// behind the SNMP agent, the traffic gate and PDU log around it, the control
// channel for tests, and the loop that serves them all.

#include <memory>
#include <string>
#include <sys/time.h>

#include "sim/options.h"

namespace sim {

class Simulator {
public:
    explicit Simulator(Options options);
    ~Simulator();

    // Loads the objects and opens the agent and the control channel.
    bool Start(std::string& error);

    // Serves until `quit` on the control channel or a stop signal.
    void Run();

private:
    struct Parts;

    bool PrepareStateFolder(std::string& error);
    void ServeOnce();
    int WaitMilliseconds(int block, const timeval& libraryTimeout) const;
    void AfterAnswers();

    Options options_;
    bool ownsStateFolder_ = false;
    bool agentStarted_ = false;
    bool quit_ = false;
    std::unique_ptr<Parts> parts_;
};

// Asks a running Simulator to stop (safe inside a signal handler).
void RequestStop();

}  // namespace sim
