// The test control channel: each command changes what the agent does, as a
// test sees it through net-snmp's tools.

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using support::ToolResult;

class simControl : public SimTest {
protected:
    bool Answers(const std::string& timeoutSeconds = "1") {
        return Run("snmpget", kV2Read, {kSysName}, 0, timeoutSeconds).exitCode == 0;
    }
};

TEST_F(simControl, DropLeavesExactlyTheNextRequestsUnanswered) {
    Command("drop 2");
    EXPECT_FALSE(Answers("0.5"));
    EXPECT_FALSE(Answers("0.5"));
    EXPECT_TRUE(Answers());
}

TEST_F(simControl, DelayHoldsAnswersBackUntilItIsCleared) {
    Command("delay 1500");
    EXPECT_FALSE(Answers("1")) << "an answer 1.5 s late misses a 1 s time-out";
    EXPECT_TRUE(Answers("3"));
    Command("delay 0");
    EXPECT_TRUE(Answers("1"));
}

TEST_F(simControl, DelayedSetIsAnsweredAndStored) {
    Command("delay 300");
    ToolResult set = Run("snmpset", kV2Write, {kSysName, "s", "first"}, 0, "3");
    ASSERT_EQ(0, set.exitCode) << set.output;
    EXPECT_EQ("\"first\"", Value(kV2Read, kSysName));
}

struct PlannedError {
    const char* status;    // as the control command takes it
    const char* reported;  // as snmpset names it
};

TEST_F(simControl, ErrorAnswersThePlannedStatusOnceForThatObject) {
    const PlannedError cases[] = {{"genErr", "genError"}, {"14", "commitFailed"},
                                  {"resourceUnavailable", "resourceUnavailable"}};
    for (const PlannedError& c : cases) {
        Command(std::string("error ") + E(".3.1.1.0") + " " + c.status);
        ToolResult other = Run("snmpset", kV2Write, {kSysName, "s", "other"});
        EXPECT_EQ(0, other.exitCode) << "a SET of another object is not affected: " << other.output;

        ToolResult failed = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"});
        EXPECT_NE(std::string::npos, failed.output.find(c.reported)) << c.status << ": " << failed.output;
        EXPECT_EQ("0", Held(E(".3.1.1.0")));

        ToolResult next = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"});
        EXPECT_EQ(0, next.exitCode) << "only the next SET fails: " << next.output;
        Command(std::string("set ") + E(".3.1.1.0") + " 0");
    }
}

// With "after M", the planned status waits for the (M+1)th SET of the object:
// the SETs before it are carried out and answered as usual.
TEST_F(simControl, ErrorAfterLetsTheFirstSetsOfThatObjectThrough) {
    Command(std::string("error ") + E(".3.1.1.0") + " genErr after 2");
    for (const char* value : {"1", "0"}) {
        ToolResult passed = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", value});
        EXPECT_EQ(0, passed.exitCode) << passed.output;
        EXPECT_EQ(value, Held(E(".3.1.1.0")));
    }
    ToolResult failed = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"});
    EXPECT_NE(std::string::npos, failed.output.find("genError")) << failed.output;
    EXPECT_EQ("0", Held(E(".3.1.1.0")));
    ToolResult next = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"});
    EXPECT_EQ(0, next.exitCode) << next.output;
    Command(std::string("set ") + E(".3.1.1.0") + " 0");
}

// A lost SET is neither carried out nor answered, retries included; a SET of
// another object and the SET after the lost ones go through.
TEST_F(simControl, LoseLeavesTheNextSetsOfThatObjectUndoneAndUnanswered) {
    Command(std::string("lose ") + E(".3.1.1.0") + " 2");
    ToolResult other = Run("snmpset", kV2Write, {kSysName, "s", "other"});
    EXPECT_EQ(0, other.exitCode) << other.output;
    // snmpset sends once and retries once: both are lost.
    ToolResult lost = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"}, 1, "0.5");
    EXPECT_NE(0, lost.exitCode) << lost.output;
    EXPECT_NE(std::string::npos, lost.output.find("Timeout")) << lost.output;
    EXPECT_EQ("0", Held(E(".3.1.1.0")));
    ToolResult next = Run("snmpset", kV2Write, {E(".3.1.1.0"), "i", "1"});
    EXPECT_EQ(0, next.exitCode) << next.output;
    EXPECT_EQ("1", Held(E(".3.1.1.0")));
    Command(std::string("set ") + E(".3.1.1.0") + " 0");
}

TEST_F(simControl, DownSilencesTheAgentAndUpBringsItBackWithTheSameBoot) {
    std::string boots = Value(kV3Sha, kEngineBoots);
    Command("down");
    EXPECT_FALSE(Answers("0.5"));
    EXPECT_FALSE(Run("snmpget", kV3Sha, {kEngineBoots}, 0, "0.5").exitCode == 0);
    Command("up");
    EXPECT_TRUE(Answers());
    EXPECT_EQ(boots, Value(kV3Sha, kEngineBoots));
}

TEST_F(simControl, SetStoresAValueOfTheObjectsSyntax) {
    Command(std::string("set ") + E(".2.1.3.3.1.1.1.1.1") + " \"guest net\"");
    Command(std::string("set ") + E(".2.1.1.1.1.2.1") + " 10.9.8.7");
    Command(std::string("set ") + E(".3.1.3.2.1.5.2") + " 0011223344AB");
    EXPECT_EQ("\"guest net\"", Value(kV2Read, E(".2.1.3.3.1.1.1.1.1")));
    EXPECT_EQ("10.9.8.7", Value(kV2Read, E(".2.1.1.1.1.2.1")));
    EXPECT_THAT(Value(kV2Read, E(".3.1.3.2.1.5.2")), ::testing::HasSubstr("00 11 22 33 44 AB"));
    EXPECT_EQ("0011223344AB", Held(E(".3.1.3.2.1.5.2")));
}

TEST_F(simControl, BadCommandsAreRefusedWithAReason) {
    const char* const bad[] = {
        "set E.2.1.1.1.1.2.1 not-an-address",
        "set E.4.2.99.0 1",
        "set E.3.1.1.0",
        "get 1.2.x",
        "error E.3.1.1.0 noSuchStatus",
        "error E.3.1.1.0 genErr after",
        "error E.3.1.1.0 genErr before 1",
        "quietrestart",
        "quietrestart -2",
        "drop -1",
        "lose E.3.1.1.0",
        "leds 1 1",
        "frobnicate",
        "set E.3.1.1.0 \"unterminated",
    };
    for (const char* line : bad) {
        support::ControlReply reply = sim_.Control(line);
        EXPECT_FALSE(reply.ok) << line;
        EXPECT_FALSE(reply.error.empty()) << line;
    }
    EXPECT_TRUE(Answers()) << "the agent goes on";
}

TEST_F(simControl, LedsSetsTheThreeLedModes) {
    Command("leds 0 1 0");
    EXPECT_EQ("0", Value(kV2Read, E(".5.1.2.1.1.6.1")));
    EXPECT_EQ("1", Value(kV2Read, E(".5.1.2.1.1.7.1")));
    EXPECT_EQ("0", Value(kV2Read, E(".5.1.2.1.1.14.1")));
}

TEST_F(simControl, LogShowsEachPduWithItsVarbindsInOrder) {
    Command("clearlog");
    ToolResult save = Run("snmpset", kV2Write,
                          {E(".4.2.3.0"), "i", "1", E(".4.2.4.0"), "i", "0", E(".4.2.1.0"), "i", "0"});
    ASSERT_EQ(0, save.exitCode) << save.output;
    ToolResult reversed = Run("snmpset", kV1Write,
                              {E(".2.1.1.1.1.3.1"), "a", "255.0.0.0", kSysName, "s", "a b"});
    ASSERT_EQ(0, reversed.exitCode) << reversed.output;
    ASSERT_EQ(0, Run("snmpget", kV3Sha, {kSysName, kSysUpTime}).exitCode);

    std::vector<std::string> log = Command("log");
    ASSERT_EQ(3u, log.size());
    const std::string root = "1.3.6.1.4.1.32473.10.37.44";
    EXPECT_THAT(log[0], ::testing::MatchesRegex(
        "SET v2c [0-9]+ " + root + "\\.4\\.2\\.3\\.0=integer:1 " + root + "\\.4\\.2\\.4\\.0=integer:0 " +
        root + "\\.4\\.2\\.1\\.0=integer:0"));
    EXPECT_THAT(log[1], ::testing::MatchesRegex(
        "SET v1 [0-9]+ " + root + "\\.2\\.1\\.1\\.1\\.1\\.3\\.1=ipaddress:255\\.0\\.0\\.0 "
        "1\\.3\\.6\\.1\\.2\\.1\\.1\\.5\\.0=string:\"a b\""));
    EXPECT_THAT(log[2], ::testing::MatchesRegex(
        "GET v3 [0-9]+ 1\\.3\\.6\\.1\\.2\\.1\\.1\\.5\\.0 1\\.3\\.6\\.1\\.2\\.1\\.1\\.3\\.0"));

    Command("clearlog");
    EXPECT_TRUE(Command("log").empty());
}

TEST_F(simControl, LogLeavesOutDroppedRequests) {
    Command("clearlog");
    Command("drop 1");
    EXPECT_FALSE(Answers("0.5"));
    EXPECT_TRUE(Command("log").empty());
}

TEST_F(simControl, QuitEndsTheProcessCleanly) {
    Command("quit");
    EXPECT_EQ(0, sim_.WaitForExit(10000)) << "a non-zero exit is also how a leak shows\n"
                                         << sim_.Output();
}

}  // namespace
}  // namespace simtest
