#pragma once
// Debian's snmpd as a test peer that nobody here wrote: started in the
// foreground on a free loopback port with its own configuration, persistent
// folder and log, SMUX off, and the communities and SNMPv3 users of the
// simulator's test agent (snmp_session_env.h).

#include <string>
#include <sys/types.h>

namespace snmptest {

class SnmpdAgent {
public:
    SnmpdAgent();  // starts it and waits until it answers
    ~SnmpdAgent();
    SnmpdAgent(const SnmpdAgent&) = delete;
    SnmpdAgent& operator=(const SnmpdAgent&) = delete;

    bool Started() const { return started_; }
    int Port() const { return port_; }
    std::string Address() const;  // "127.0.0.1:<port>"
    std::string Log() const;

private:
    std::string folder_;
    pid_t pid_ = -1;
    int port_ = 0;
    bool started_ = false;
};

}  // namespace snmptest
