#pragma once
// Where and how one SNMP send goes: the agent's resolved address and port,
// the version with its communities or SNMPv3 user, and the time-out and
// retries of the exchange. A request builds one per send from its own copy of
// the settings.

#include <cstdint>
#include <string>

struct VkSnmpTarget {
    std::string address;  // dotted IPv4 address (already resolved)
    uint16_t port = 161;
    int version = 0;      // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string readCommunity;
    std::string writeCommunity;
    int securityModel = 3;
    int securityLevel = 1;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    int authProtocol = 1;  // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int privProtocol = 1;  // 1 none, 2 DES
    int timeout = 100;     // hundredths of a second per send
    int retries = 1;       // resends after the first send

    // Everything that fixes an engine session (all but the time-out), as one
    // text: two targets with the same key share a session.
    std::string SessionKey() const;
};

// The dotted IPv4 address of a dotted address or host name; false when it
// does not resolve. Resolving blocks, as a name lookup does.
bool ResolveAgentAddress(const std::string& addressOrName, std::string& dotted);
