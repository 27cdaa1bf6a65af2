#include "tests/library/snmp/snmpd_agent.h"

#include "platform/os/clock.h"
#include "tests/support/run_tool.h"
#include "tests/support/snmp_tools.h"

namespace snmptest {

namespace {

std::string Configuration(int port) {
    return "agentAddress udp:127.0.0.1:" + std::to_string(port) +
           "\n"
           "rocommunity rdcomm 127.0.0.1\n"
           "rwcommunity wrcomm 127.0.0.1\n"
           "createUser mdes MD5 mdesAuth1 DES mdesPriv1\n"
           "createUser shaa SHA shaaAuth1\n"
           "createUser noau\n"
           "rwuser mdes priv\n"
           "rwuser shaa auth\n"
           "rwuser noau noauth\n"
           "sysLocation lab-bench\n"
           "sysServices 72\n";
}

}  // namespace

SnmpdAgent::SnmpdAgent() {
    folder_ = support::MakeTempFolder("vap7720-snmpd");
    port_ = support::FreeUdpPort();
    std::string config = folder_ + "/snmpd.conf";
    support::WriteFile(config, Configuration(port_));
    pid_ = support::StartProgram({"/usr/sbin/snmpd", "-f", "-Lf", folder_ + "/snmpd.log", "-C", "-c", config,
                                  "--persistentDir=" + folder_ + "/state", "-M", "/nonexistent", "-m", "",
                                  "-I", "-smux", "-p", folder_ + "/snmpd.pid"},
                                 folder_ + "/output.txt");
    uint64_t deadline = os::TickCount() + 10000;
    while (pid_ > 0 && !started_ && os::TickCount() < deadline) {
        support::ToolResult probe = support::RunSnmp("snmpget", {"-v2c", "-c", "rdcomm"}, Address(),
                                                     {"1.3.6.1.2.1.1.5.0"}, 0, "0.2");
        started_ = probe.exitCode == 0;
    }
}

SnmpdAgent::~SnmpdAgent() {
    if (pid_ > 0) support::StopProgram(pid_);
    support::RemoveFolder(folder_);
}

std::string SnmpdAgent::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string SnmpdAgent::Log() const {
    return support::ReadFile(folder_ + "/snmpd.log") + support::ReadFile(folder_ + "/output.txt");
}

}  // namespace snmptest
