#pragma once
// A test fixture that starts one simulator per test, with the SNMPv3 users
// and access settings the protocol tests use.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/sim_process.h"
#include "tests/support/snmp_tools.h"

namespace simtest {

// OIDs of the device the tests use, full form.
inline std::string E(const std::string& relative) {
    return "1.3.6.1.4.1.32473.10.37.44" + relative;
}
inline const std::string kSysName = "1.3.6.1.2.1.1.5.0";
inline const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";
inline const std::string kEngineBoots = "1.3.6.1.6.3.10.2.1.2.0";

// Access settings of the simulator started by SimTest.
inline const support::SnmpAccess kV1Read = {"-v1", "-c", "public"};
inline const support::SnmpAccess kV1Write = {"-v1", "-c", "private"};
inline const support::SnmpAccess kV2Read = {"-v2c", "-c", "public"};
inline const support::SnmpAccess kV2Write = {"-v2c", "-c", "private"};
inline const support::SnmpAccess kV3NoAuth = {"-v3", "-l", "noAuthNoPriv", "-u", "nn"};
inline const support::SnmpAccess kV3Sha = {"-v3", "-l", "authNoPriv", "-u", "an", "-a", "SHA",
                                           "-A", "anAuthPass1"};
inline const support::SnmpAccess kV3Md5Des = {"-v3", "-l", "authPriv", "-u", "ap", "-a", "MD5",
                                              "-A", "apAuthPass1", "-x", "DES", "-X", "apPrivPass1"};
inline const support::SnmpAccess kV3ShaDes = {"-v3", "-l", "authPriv", "-u", "sp", "-a", "SHA",
                                              "-A", "spAuthPass1", "-x", "DES", "-X", "spPrivPass1"};

inline support::SimSettings StandardSettings() {
    support::SimSettings settings;
    settings.arguments = {"--user", "nn", "--user", "an:SHA:anAuthPass1",
                          "--user", "ap:MD5:apAuthPass1:DES:apPrivPass1",
                          "--user", "sp:SHA:spAuthPass1:DES:spPrivPass1"};
    return settings;
}

// Settings with extra options and environment added to the standard ones.
inline support::SimSettings StandardSettingsWith(std::vector<std::string> arguments,
                                                 std::vector<std::string> environment = {}) {
    support::SimSettings settings = StandardSettings();
    settings.arguments.insert(settings.arguments.end(), arguments.begin(), arguments.end());
    settings.environment = std::move(environment);
    return settings;
}

class SimTest : public ::testing::Test {
protected:
    explicit SimTest(support::SimSettings settings = StandardSettings()) : sim_(std::move(settings)) {}

    // A control command that must succeed; returns its data lines.
    std::vector<std::string> Command(const std::string& line) {
        support::ControlReply reply = sim_.Control(line);
        EXPECT_TRUE(reply.ok) << line << ": " << reply.error;
        return reply.lines;
    }

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim_.Start(error)) << error;
    }

    // A simulator still running ends cleanly on SIGTERM; under the sanitizers
    // a leak or a memory error at exit shows as a non-zero exit code.
    void TearDown() override {
        if (!sim_.Running()) return;
        EXPECT_EQ(0, sim_.Stop()) << sim_.Output();
    }

    support::ToolResult Run(const std::string& tool, const support::SnmpAccess& access,
                            const std::vector<std::string>& arguments, int retries = 1,
                            const std::string& timeoutSeconds = "1") {
        return support::RunSnmp(tool, access, sim_.Address(), arguments, retries, timeoutSeconds);
    }

    std::string Value(const support::SnmpAccess& access, const std::string& oid) {
        return support::SnmpValue(access, sim_.Address(), oid);
    }

    // The value the simulator holds, read over the control channel.
    std::string Held(const std::string& oid) {
        support::ControlReply reply = sim_.Control("get " + oid);
        return reply.ok && reply.lines.size() == 1 ? reply.lines[0] : "<" + reply.error + ">";
    }

    support::SimProcess sim_;
};

}  // namespace simtest
