#include "sim/agent_session.h"

// The agent library keeps its first listening session here; no installed
// header declares it.
extern "C" netsnmp_session* main_session;

namespace sim {

netsnmp_session* AgentSession() { return main_session; }

netsnmp_transport* AgentTransport() {
    if (main_session == nullptr) return nullptr;
    void* session = snmp_sess_pointer(main_session);
    return session ? snmp_sess_transport(session) : nullptr;
}

}  // namespace sim
