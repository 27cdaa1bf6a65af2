#pragma once
// The agent library's listening session and its transport, for the pieces that
// watch or steer its traffic (PDU log, traffic gate).

#include "sim/netsnmp.h"

namespace sim {

// Null before the agent has opened its port.
netsnmp_session* AgentSession();
netsnmp_transport* AgentTransport();

}  // namespace sim
