#pragma once
// The SNMP agent process set-up on net-snmp's agent library: no system
// configuration, no persistent state, no MIB files, no AgentX or SMUX; the
// listening address, communities and SNMPv3 users come from the caller.

#include <string>
#include <vector>

namespace sim {

struct UsmUser {
    std::string name;
    std::string authProtocol;  // "", "MD5" or "SHA"
    std::string authPassword;
    std::string privProtocol;  // "" or "DES"
    std::string privPassword;
};

struct AgentConfig {
    std::string listen = "127.0.0.1:16100";
    std::vector<std::string> readCommunities;
    std::vector<std::string> writeCommunities;
    std::vector<UsmUser> users;  // all may read and write at their own level
    std::string engineId;        // octets
    std::string persistentFolder;
};

// Starts the agent library with the engine's own MIB modules; handlers are
// registered after this and before OpenAgent.
bool PrepareAgent(const AgentConfig& config, std::string& error);

// Reads the access settings and opens the UDP port.
bool OpenAgent(const AgentConfig& config, std::string& error);

void StopAgent();

// What a power cycle does to the SNMPv3 engine: engine boots + 1, and the
// library's engine-time cache for its own engine updated to match, without
// which every later SNMPv3 answer would carry the old boots and be refused
// as not in the time window.
void AdvanceEngineBoots();

}  // namespace sim
