#pragma once
// The SNMP engine under the request layer: net-snmp behind a small interface
// that speaks in the request layer's bindings and statuses (netsnmp_status.h).
//
// - Initialisation reads no configuration or MIB files and writes no
//   persistent state.
// - One net-snmp session per target (address, port, version, communities,
//   SNMPv3 user, level, protocols, pass phrases, retries), opened on first use
//   on a local port of its own and kept; the time-out is set per send; the
//   community is chosen per PDU (read for GET/GET-NEXT, write for SET).
// - SNMPv3 engine discovery runs before the first send of a session: blocking
//   for a synchronous exchange, and for an asynchronous send as an
//   asynchronous probe whose answer releases the sends held meanwhile, so the
//   event loop is never blocked. The user's keys are made from the pass
//   phrases here (usm_key.h); a cached user of the same engine and name with
//   other keys is replaced.
// - Every asynchronous send ends in exactly one completion, also when net-snmp
//   refuses it. net-snmp's callback only records the outcome (keyed by our own
//   record, never by net-snmp's request id); ProcessPendingEvents runs the
//   completions after net-snmp has returned.
// Single-threaded: everything runs on the GUI thread.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "library/snmp/snmp_target.h"
#include "library/snmp/var_bind.h"

enum class VkSnmpOperation { get, getNext, set };

// What one send carries.
struct VkSnmpPduContent {
    VkSnmpOperation operation = VkSnmpOperation::get;
    int securityLevel = 1;         // SNMPv3 only
    std::string contextName;       // SNMPv3 only
    std::string contextEngineID;   // SNMPv3 only; raw octets, empty for the agent's own
    std::vector<VkSNMPVarBind> bindings;
};

// How one exchange ended.
struct VkSnmpOutcome {
    int status = 0;       // in the number space of MapSNMPStatus
    int errorIndex = 0;   // the response's error index
    bool answered = false;  // bindings hold the agent's response
    std::vector<VkSNMPVarBind> bindings;
};

using VkSnmpCompletion = std::function<void(const VkSnmpOutcome&)>;

namespace snmpengine {

// Initialises net-snmp once (later calls do nothing). Returns false when the
// engine cannot work: net-snmp did not start or no local UDP socket can be
// bound.
bool Initialise();

// The local SNMPv3 engine ID and its boots count.
void SetLocalEngine(const std::string& engineId, uint32_t boots);
uint32_t LocalEngineBoots();

// One blocking exchange; processes no window messages.
VkSnmpOutcome Exchange(const VkSnmpTarget& target, const VkSnmpPduContent& pdu);

// Hands one send to the engine. `done` runs exactly once, from
// ProcessPendingEvents, never from inside this call.
void SendAsync(const VkSnmpTarget& target, const VkSnmpPduContent& pdu, VkSnmpCompletion done);

// Reads every answer that has arrived, resends or times out what is due, then
// runs the completions recorded (also those a completion causes).
void ProcessPendingEvents();

// The sockets of the open sessions, for read notification.
std::vector<int> SessionDescriptors();

// Called (outside net-snmp) whenever a session is opened or closed.
void SetSessionsChangedHandler(std::function<void()> handler);

// The asynchronous sends whose completion has not run yet.
int OutstandingCount();

// The exchanges since the process started, synchronous and asynchronous (the
// SNMPv3 discovery probes not counted): those handed to the engine, and those
// the agent answered (with any error status). An exchange that timed out or
// could not be sent is requested but not answered. Benchmarks read it to show
// what an operation costs and whether the device answered all of it.
struct ExchangeTally {
    uint64_t requested = 0;
    uint64_t answered = 0;
};
ExchangeTally Tally();

// Whether anything (a send, a discovery or a completion) waits for
// ProcessPendingEvents; the pump's timer needs to run only then.
bool HasPendingWork();

// Called whenever a new asynchronous send or discovery is recorded.
void SetWorkQueuedHandler(std::function<void()> handler);

}  // namespace snmpengine
