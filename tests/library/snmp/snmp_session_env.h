#pragma once
// What the request tests share: the application object and the global SNMP
// session of the process (made once, freed after the last test), short time
// scales, the simulator's test objects, and ways of talking to it.

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "library/snmp/request.h"
#include "tests/support/sim_process.h"

namespace snmptest {

// The test objects the simulator gets as a fixture (below the device root
// 1.3.6.1.4.1.32473.10.37.44.99, plus a table at the end of the agent's view).
extern const char* const kRoot;  // "1.3.6.1.4.1.32473.10.37.44.99"
extern const char* const kEndOfViewTable;  // "1.3.6.1.9.1"

// A temporary folder removed at the end of its scope.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// One way of talking to the agent: version and communities or SNMPv3 user.
struct AccessMode {
    std::string name;
    int version = 0;
    std::string readCommunity = "rdcomm";
    std::string writeCommunity = "wrcomm";
    int securityLevel = 1;
    std::string user;
    int authProtocol = 1;
    std::string authPassword;
    int privProtocol = 1;
    std::string privPassword;

    void ApplyTo(VkSNMPRequest& request, const support::SimProcess& sim) const;
};

// An SNMPv3 user of the test agent with the given credentials.
AccessMode V3User(const std::string& user, int level, int authProtocol, const std::string& authPassword,
                  int privProtocol, const std::string& privPassword);

// v1, v2c, v3 MD5+DES authPriv, v3 SHA authNoPriv, v3 noAuthNoPriv.
std::vector<AccessMode> AllModes();
// How test output names a mode.
void PrintTo(const AccessMode& mode, std::ostream* out);

// A simulator with the test objects, the communities and every user of
// AllModes; fails the test when it does not start.
class TestAgent {
public:
    TestAgent();
    support::SimProcess& Sim() { return sim_; }
    bool Started() const { return started_; }
    // The value the simulator holds for an OID.
    std::string Value(const std::string& oid);

private:
    TempFolder folder_;
    support::SimProcess sim_;
    bool started_ = false;
};

// Runs the message loop (and so the pump) until `done` holds or `ms` (scaled)
// have passed; returns done().
bool RunUntil(const std::function<bool()>& done, int ms = 20000);
// Runs the message loop for `ms` (scaled).
void RunFor(int ms);

// The values of every item of the list.
std::vector<std::string> Values(const VkSNMPVarList& vars);

// A synchronous walk: the rows (item values) of every true step.
std::vector<std::vector<std::string>> WalkSync(VkSNMPRequest& request, bool& ok);

// An asynchronous walk driven from the result callback, as the control-bound
// requests drive it: the rows, and the code of the final result.
struct AsyncWalk {
    std::vector<std::vector<std::string>> rows;
    int finalCode = 1;
    bool done = false;
    std::shared_ptr<VkSNMPResultCallback> keepAlive;  // the step callback
};
void StartAsyncWalk(VkSNMPRequest& request, AsyncWalk& walk);

}  // namespace snmptest
