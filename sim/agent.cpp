#include "sim/agent.h"

#include <cstdlib>
#include <cstring>

#include "sim/netsnmp.h"

// MIB modules of the agent library that install no header.
extern "C" {
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
}

namespace sim {

namespace {

constexpr char kAppName[] = "vap7720-sim";

// A configuration line processed by init_snmp() (the library copies it).
void Remember(std::string line) {
    netsnmp_config_remember(line.data());
}

// Keeps the library to itself: no configuration files, no persistent state,
// no MIB files, no AgentX master, no log line per request.
void Isolate(const AgentConfig& config) {
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    // The library's environment settings would point it at other folders.
    unsetenv("SNMPCONFPATH");
    unsetenv("SNMP_PERSISTENT_DIR");
    unsetenv("SNMP_PERSISTENT_FILE");
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                          config.persistentFolder.c_str());
    // Where the library would look for configuration (and TLS certificates):
    // our own folder instead of /etc/snmp and ~/.snmp.
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR,
                          config.persistentFolder.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    std::string ports = "udp:" + config.listen;
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
}

// Warnings and errors of the library go to standard error; its chatter not.
void LogToStderr() {
    netsnmp_log_handler* handler = netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    if (handler != nullptr) handler->token = strdup("stderr");
}

const char* LevelOf(const UsmUser& user) {
    if (!user.privProtocol.empty()) return "priv";
    if (!user.authProtocol.empty()) return "auth";
    return "noauth";
}

void RememberAccess(const AgentConfig& config) {
    for (const std::string& community : config.readCommunities)
        Remember("rocommunity " + community + " default");
    for (const std::string& community : config.writeCommunities)
        Remember("rwcommunity " + community + " default");
    for (const UsmUser& user : config.users) {
        std::string line = "createUser " + user.name;
        if (!user.authProtocol.empty()) line += " " + user.authProtocol + " \"" + user.authPassword + "\"";
        if (!user.privProtocol.empty()) line += " " + user.privProtocol + " \"" + user.privPassword + "\"";
        Remember(line);
        Remember("rwuser " + user.name + " " + LevelOf(user));
    }
}

void InitEngineModules() {
    init_snmpEngine();
    init_snmpMPDStats();
    init_usmStats();
    init_usmUser();
    init_vacm_vars();
}

}  // namespace

bool PrepareAgent(const AgentConfig& config, std::string& error) {
    Isolate(config);
    LogToStderr();
    if (!config.engineId.empty())
        set_exact_engineID(reinterpret_cast<const u_char*>(config.engineId.data()),
                           config.engineId.size());
    SOCK_STARTUP;
    // Debian's agent library would otherwise open the SMUX port (TCP 199).
    add_to_init_list(const_cast<char*>("-smux"));
    if (init_agent(kAppName) != 0) {
        error = "the agent library did not start";
        return false;
    }
    InitEngineModules();
    return true;
}

bool OpenAgent(const AgentConfig& config, std::string& error) {
    RememberAccess(config);
    init_snmp(kAppName);
    if (init_master_agent() != 0) {
        error = "cannot listen on udp:" + config.listen;
        return false;
    }
    return true;
}

void StopAgent() {
    snmp_shutdown(kAppName);
    SOCK_CLEANUP;
}

void AdvanceEngineBoots() {
    // engineBoots_conf stores the given count plus one.
    std::string boots = std::to_string(snmpv3_local_snmpEngineBoots());
    engineBoots_conf("engineBoots", boots.data());
    u_char id[64];
    size_t length = snmpv3_get_engineID(id, sizeof id);
    set_enginetime(id, static_cast<u_int>(length), snmpv3_local_snmpEngineBoots(),
                   snmpv3_local_snmpEngineTime(), TRUE);
}

}  // namespace sim
