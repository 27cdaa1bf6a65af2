// The global session: the engine-boots counter file, the defaults every new
// request copies, and the failures of CreateGlobalSNMPSession.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "library/snmp/global_session.h"
#include "library/snmp/netsnmp_engine.h"
#include "library/snmp/request.h"
#include "platform/os/exception.h"
#include "tests/library/snmp/snmp_session_env.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Points the request at the test agent (SNMPv2c) to read one scalar.
void ReadOneScalar(VkSNMPRequest& request, snmptest::TestAgent& agent) {
    static const VkSNMPVarEntry rows[] = {
        {"1.3.6.1.4.1.32473.10.37.44.99.1.1", "tScalarInt", VkSNMPSyntax::integer, VkSNMPAccess::readonly}, {}};
    snmptest::AllModes()[1].ApplyTo(request, agent.Sim());
    request.vars = VkSNMPVarList(rows, SVT_SV, 0);
}

int RaisedCode(const std::string& folder) {
    try {
        CreateGlobalSNMPSession(folder);
    } catch (const os::Exception& error) {
        return error.HelpContext();
    }
    return 0;
}

TEST(GlobalSession, CountsEngineBootsAndKeepsOtherEngines) {
    snmptest::TempFolder folder;
    std::string path = folder.Path() + "/VkSNMP_PP_BootCounter";
    std::ofstream(path) << "OtherEngine 41\n";
    CreateGlobalSNMPSession(folder.Path());
    EXPECT_EQ(ReadFile(path), "OtherEngine 41\nVkSNMP_PP_Application 1\n");
    EXPECT_EQ(snmpengine::LocalEngineBoots(), 1u);
    CreateGlobalSNMPSession(folder.Path());
    EXPECT_EQ(ReadFile(path), "OtherEngine 41\nVkSNMP_PP_Application 2\n");
    EXPECT_EQ(snmpengine::LocalEngineBoots(), 2u);

    snmptest::TempFolder fresh;
    CreateGlobalSNMPSession(fresh.Path());
    EXPECT_EQ(ReadFile(fresh.Path() + "/VkSNMP_PP_BootCounter"), "VkSNMP_PP_Application 1\n");
}

// A line whose ID carries a carriage return of its own belongs to another
// engine, before and after every save: later starts keep counting.
TEST(GlobalSession, ALineEndingInTwoCarriageReturnsSurvivesEveryStart) {
    snmptest::TempFolder folder;
    std::string path = folder.Path() + "/VkSNMP_PP_BootCounter";
    std::ofstream(path, std::ios::binary) << "VkSNMP_PP_Application\r\r";
    EXPECT_EQ(RaisedCode(folder.Path()), 0);
    EXPECT_EQ(RaisedCode(folder.Path()), 0);
    EXPECT_EQ(snmpengine::LocalEngineBoots(), 2u);
    EXPECT_EQ(ReadFile(path), "VkSNMP_PP_Application\r\r\nVkSNMP_PP_Application 2\n");
}

TEST(GlobalSession, NewRequestsCarryTheDefaults) {
    snmptest::TempFolder folder;
    GlobalSNMPDevice.address = "10.0.0.9";
    GlobalSNMPSecurity.readCommunity = "changed";
    GlobalSNMPTimeout = 7;
    CreateGlobalSNMPSession(folder.Path());
    VkSNMPRequest request;
    EXPECT_EQ(request.address, "127.0.0.1");
    EXPECT_EQ(request.port, 161);
    EXPECT_EQ(request.version, 0);
    EXPECT_EQ(request.readCommunity, "quorny");
    EXPECT_EQ(request.writeCommunity, "vambril");
    EXPECT_EQ(request.securityModel, 1);
    EXPECT_EQ(request.securityLevel, 1);
    EXPECT_EQ(request.authProtocol, 1);
    EXPECT_EQ(request.privProtocol, 1);
    EXPECT_EQ(request.timeout, 100);
    EXPECT_EQ(request.retries, 1);
    EXPECT_TRUE(request.contextEngineID.empty() && request.contextName.empty());
    // The request keeps what it copied.
    GlobalSNMPDevice.address = "10.0.0.9";
    EXPECT_EQ(request.address, "127.0.0.1");
    ASSERT_TRUE(GlobalEventProcessor);
    EXPECT_TRUE(GlobalEventProcessor->Running());
}

TEST(GlobalSession, CounterFileFailuresAreRaisedAndSetNoDefaults) {
    snmptest::TempFolder folder;
    std::ofstream(folder.Path() + "/VkSNMP_PP_BootCounter") << "VkSNMP_PP_Application many\n";
    GlobalSNMPDevice.address = "unchanged";
    EXPECT_EQ(RaisedCode(folder.Path()), -507);
    EXPECT_EQ(RaisedCode(folder.Path() + "/missing-folder"), -508);
    EXPECT_EQ(GlobalSNMPDevice.address, "unchanged");
    EXPECT_EQ(ReadFile(folder.Path() + "/VkSNMP_PP_BootCounter"), "VkSNMP_PP_Application many\n");
}

// A message loop run inside a completion (a message box, a wait) does not
// enter the pump again: the next completion runs after this one returned.
TEST(GlobalSession, CompletionsNeverNest) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    VkSNMPRequest request;
    ReadOneScalar(request, agent);
    int depth = 0;
    int deepest = 0;
    int calls = 0;
    VkSNMPResultCallback completion = [&](void*, VkSNMPError* result, VkSNMPVarList*) {
        EXPECT_EQ(result->code, 0);
        deepest = std::max(deepest, ++depth);
        if (++calls == 1) {
            snmptest::RunFor(2000);
            GlobalEventProcessor->Pump();  // as a tick or socket notice arriving now would
        }
        --depth;
    };
    request.GetAsync(completion, nullptr, true);
    request.GetAsync(completion, nullptr, true);
    ASSERT_TRUE(snmptest::RunUntil([&] { return calls == 2; }));
    EXPECT_EQ(deepest, 1);
}

// The pump's timer runs only while an answer or a completion is awaited, so
// an idle module does not wake up every 20 ms; a send starts it again.
TEST(GlobalSession, ThePumpTimerRunsOnlyWhileSomethingIsAwaited) {
    snmptest::TestAgent agent;
    ASSERT_TRUE(agent.Started());
    VkSNMPRequest request;
    ReadOneScalar(request, agent);
    ASSERT_TRUE(snmptest::RunUntil([] { return !GlobalEventProcessor->TimerRunning(); }));
    int calls = 0;
    request.GetAsync([&](void*, VkSNMPError* result, VkSNMPVarList*) {
        EXPECT_EQ(result->code, 0);
        ++calls;
    }, nullptr, true);
    EXPECT_TRUE(GlobalEventProcessor->Running());
    EXPECT_TRUE(GlobalEventProcessor->TimerRunning());
    ASSERT_TRUE(snmptest::RunUntil([&] { return calls == 1; }));
    snmptest::RunFor(100);
    EXPECT_FALSE(GlobalEventProcessor->TimerRunning());
    EXPECT_EQ(calls, 1);
}

}  // namespace
