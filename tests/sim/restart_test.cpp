// Restarts: the SET that asks for one is answered, then the device is silent
// for its restart time (the default 8 s, scaled by VAP_TIME_SCALE=0.25 to 2 s)
// and comes back with a new boot that SNMPv1 and SNMPv3 managers accept.

#include <chrono>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using Clock = std::chrono::steady_clock;
using support::ToolResult;

constexpr int kRestartMs = 2000;  // 8000 ms scaled by 0.25

long Milliseconds(Clock::time_point since) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

class simRestart : public SimTest {
protected:
    simRestart() : SimTest(StandardSettingsWith({}, {"VAP_TIME_SCALE=0.25"})) {}

    bool V1Answers(const std::string& timeoutSeconds) {
        return Run("snmpget", kV1Read, {kSysName}, 0, timeoutSeconds).exitCode == 0;
    }

    // Polls with SNMPv1 until the device answers; false after `limitMs`.
    bool WaitUntilAnswering(long limitMs) {
        Clock::time_point start = Clock::now();
        while (Milliseconds(start) < limitMs)
            if (V1Answers("0.2")) return true;
        return false;
    }

    // A restart by a SET: answered, silent, back.
    void RestartBy(const std::vector<std::string>& setArguments) {
        ToolResult set = Run("snmpset", kV2Write, setArguments, 0);
        ASSERT_EQ(0, set.exitCode) << "the SET is answered before the device goes down\n" << set.output;
        ASSERT_TRUE(WaitUntilAnswering(10 * kRestartMs));
    }
};

struct RestartTrigger {
    const char* name;
    std::vector<std::string> set;  // the SET that restarts the device
    const char* command;           // or the control command
};

void PrintTo(const RestartTrigger& t, std::ostream* out) { *out << t.name; }

class simRestartTrigger : public simRestart, public ::testing::WithParamInterface<RestartTrigger> {};

TEST_P(simRestartTrigger, SilencesTheDeviceThenBootsItAgain) {
    const RestartTrigger& trigger = GetParam();
    Command("leds 0 0 0");
    ASSERT_EQ("1", Value(kV3ShaDes, kEngineBoots));

    if (trigger.command != nullptr) {
        Command(trigger.command);
    } else {
        ToolResult set = Run("snmpset", kV2Write, trigger.set, 0);
        ASSERT_EQ(0, set.exitCode) << "the SET is answered before the device goes down\n" << set.output;
    }
    Clock::time_point down = Clock::now();
    EXPECT_FALSE(V1Answers("0.5"));
    ASSERT_TRUE(WaitUntilAnswering(10 * kRestartMs));
    long silentMs = Milliseconds(down);
    EXPECT_GE(silentMs, kRestartMs - 200) << "back too early";

    EXPECT_EQ("2", Value(kV3ShaDes, kEngineBoots)) << "a new boot";
    EXPECT_EQ("2", Value(kV3Sha, kEngineBoots));
    ToolResult uptime = Run("snmpget", kV3Md5Des, {"-Oqvt", kSysUpTime});
    ASSERT_EQ(0, uptime.exitCode) << uptime.output;
    EXPECT_LT(std::stol(uptime.output) * 10, silentMs) << "sysUpTime counts from the new boot";
    EXPECT_EQ("1", Value(kV1Read, E(".5.1.2.1.1.6.1"))) << "2.4 GHz LED on after the boot";
    EXPECT_EQ("0", Value(kV1Read, E(".5.1.2.1.1.7.1"))) << "5 GHz LED follows the band (2.4 GHz)";
    EXPECT_EQ("1", Value(kV1Read, E(".5.1.2.1.1.14.1"))) << "LAN LED on after the boot";
}

const RestartTrigger kTriggers[] = {
    {"deviceRestart", {E(".4.2.1.0"), "i", "1"}, nullptr},
    {"deviceSettingDiscard", {E(".4.2.4.0"), "i", "1"}, nullptr},
    {"deviceFactoryDefault", {E(".4.2.2.0"), "i", "1"}, nullptr},
    {"tftpUpgradeReboot", {E(".4.3.2.5.0"), "i", "4"}, nullptr},
    {"controlRestart", {}, "restart"},
};

INSTANTIATE_TEST_SUITE_P(sim, simRestartTrigger, ::testing::ValuesIn(kTriggers),
                         [](const auto& info) { return std::string(info.param.name); });

// A quiet restart carries the SET out but the device goes down before its
// answer leaves: the manager times out, the device boots again, and the
// restarts after the quiet ones are answered as usual.
TEST_F(simRestart, AQuietRestartGoesDownWithoutAnsweringItsSet) {
    Command("quietrestart 1");
    ToolResult set = Run("snmpset", kV2Write, {E(".4.3.2.5.0"), "i", "4"}, 0, "0.5");
    EXPECT_NE(0, set.exitCode) << set.output;
    EXPECT_NE(std::string::npos, set.output.find("Timeout")) << set.output;
    ASSERT_TRUE(WaitUntilAnswering(10 * kRestartMs));
    EXPECT_EQ("2", Value(kV3Sha, kEngineBoots)) << "restarted all the same";

    RestartBy({E(".4.2.1.0"), "i", "1"});
    EXPECT_EQ("3", Value(kV3Sha, kEngineBoots));
}

TEST_F(simRestart, SaveAndActivateWithZeroesDoesNotRestart) {
    ToolResult save = Run("snmpset", kV2Write,
                          {E(".4.2.3.0"), "i", "1", E(".4.2.4.0"), "i", "0", E(".4.2.1.0"), "i", "0"});
    ASSERT_EQ(0, save.exitCode) << save.output;
    EXPECT_TRUE(V1Answers("0.5"));
    EXPECT_EQ("1", Value(kV3Sha, kEngineBoots));
}

TEST_F(simRestart, DiscardReturnsToTheSettingsLastActivated) {
    // The apply travels before the value in its PDU: it still activates it.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(".4.2.3.0"), "i", "1", kSysName, "s", "kept"}).exitCode);
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kSysName, "s", "dropped"}).exitCode);
    EXPECT_EQ("\"dropped\"", Value(kV2Read, kSysName)) << "reads return the last written value";

    RestartBy({E(".4.2.4.0"), "i", "1"});
    EXPECT_EQ("\"kept\"", Value(kV2Read, kSysName));
}

TEST_F(simRestart, FactoryDefaultRestoresTheInitialValues) {
    ASSERT_EQ(0, Run("snmpset", kV2Write,
                     {kSysName, "s", "mine", E(".2.1.1.1.1.2.1"), "a", "10.0.0.9", E(".4.2.3.0"), "i", "1"})
                     .exitCode);
    RestartBy({E(".4.2.2.0"), "i", "1"});
    EXPECT_EQ("\"VAP-7720\"", Value(kV2Read, kSysName));
    EXPECT_EQ("192.168.0.50", Value(kV2Read, E(".2.1.1.1.1.2.1")));
}

TEST_F(simRestart, RestartKeepsTheSettings) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kSysName, "s", "mine"}).exitCode);
    RestartBy({E(".4.2.1.0"), "i", "1"});
    EXPECT_EQ("\"mine\"", Value(kV2Read, kSysName));
}

class simApplyPause : public simRestart {
protected:
    simApplyPause() {
        sim_.Settings().arguments.insert(sim_.Settings().arguments.end(),
                                         {"--apply-down-time", "4000"});  // 1 s scaled
    }
};

TEST_F(simApplyPause, ApplyingSilencesTheDeviceForItsTimeWithoutANewBoot) {
    ToolResult apply = Run("snmpset", kV2Write, {E(".4.2.3.0"), "i", "1"}, 0);
    ASSERT_EQ(0, apply.exitCode) << apply.output;
    EXPECT_FALSE(V1Answers("0.3"));
    ASSERT_TRUE(WaitUntilAnswering(10 * kRestartMs));
    EXPECT_EQ("1", Value(kV3Sha, kEngineBoots));
}

}  // namespace
}  // namespace simtest
