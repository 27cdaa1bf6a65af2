#pragma once
// The simulator's command line.

#include <string>
#include <vector>

#include "sim/agent.h"

namespace sim {

struct Options {
    AgentConfig agent;
    std::string objectFolder;            // the object data files
    std::vector<std::string> fixtures;   // object lines loaded after them
    std::string controlPath;             // the control socket; none when empty
    std::string stateFolder;             // empty: a fresh temporary folder
    int restartMs = 8000;
    int applyDownMs = 0;                 // silence after an apply; 0: none
    int tftpPort = 69;
    int tftpConnectTimeoutMs = 5000;
    int scanDelayMs = 0;                 // how long a scan takes before its SET is answered
    bool maskSecrets = false;            // reads of secrets answer asterisks
    bool help = false;
};

// Fills `options` from argv; the defaults hold for what is not given.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);

std::string Usage();

}  // namespace sim
