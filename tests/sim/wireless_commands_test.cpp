// The wireless command objects of the simulated access point: the scans of
// the air (site surveys and the MAC clone list), their scan delay, deleting
// every WDS partner, and secrets masked on reading.

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using support::ToolResult;

const std::string kRemoteAp = ".2.1.3.3.1.2.1.1.2.1.";  // + row 1..8
const std::string kDeleteAll = E(".2.1.3.3.1.2.2.1.3.1");
const std::string kClientRefresh = E(".2.1.3.3.1.3.1.1.1.1");

struct ScanCase {
    const char* name;
    const char* refresh;  // the command object
    const char* cell;     // one cell of the table it fills
    const char* before;   // what the object data says
    const char* after;    // what a test sets before the next scan
};

void PrintTo(const ScanCase& c, std::ostream* out) { *out << c.name; }

class simScan : public SimTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(simScan, ReadsShowWhatTheLastScanFound) {
    const ScanCase& c = GetParam();
    EXPECT_EQ(c.before, Held(E(c.cell)));
    const std::string readBefore = Value(kV2Read, E(c.cell));
    Command("set " + E(c.cell) + " " + c.after);
    EXPECT_EQ(c.before, Held(E(c.cell))) << "nothing changes before a scan";
    EXPECT_EQ(readBefore, Value(kV2Read, E(c.cell)));

    ToolResult scan = Run("snmpset", kV2Write, {E(c.refresh), "i", "1"});
    ASSERT_EQ(0, scan.exitCode) << scan.output;
    EXPECT_EQ(c.after, Held(E(c.cell)));
    EXPECT_NE(readBefore, Value(kV2Read, E(c.cell)));
    EXPECT_EQ("0", Value(kV2Read, E(c.refresh))) << "the command reads nothing again";

    Command("set " + E(c.cell) + " " + c.before);
    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(c.refresh), "i", "1"}).exitCode);
    EXPECT_EQ(c.before, Held(E(c.cell))) << "every scan takes the rows anew";
}

const ScanCase kScanCases[] = {
    {"clientSurvey", ".2.1.3.3.1.3.1.1.1.1", ".2.1.3.3.1.3.2.1.5.2", "001E58A1B2C3", "00AABBCCDD01"},
    {"clientChannel", ".2.1.3.3.1.3.1.1.1.1", ".2.1.3.3.1.3.2.1.3.3", "36", "44"},
    {"wdsSurvey", ".2.1.3.3.1.4.1.1.1.1", ".2.1.3.3.1.4.2.1.4.1", "00907A0A0C01", "00AABBCCDD02"},
    {"cloneList", ".2.1.3.3.6.1.1.4.1", ".2.1.3.3.6.2.1.2.3", "001B21778899", "00AABBCCDD03"},
    {"stationList", ".2.1.3.3.4.1.1.1.1", ".2.1.3.3.4.2.1.2.3", "000000000000", "00AABBCCDD04"},
    {"wdsPeers", ".2.1.3.3.5.1.1.1.1", ".2.1.3.3.5.2.1.2.1.3", "000000000000", "00AABBCCDD05"},
};

INSTANTIATE_TEST_SUITE_P(sim, simScan, ::testing::ValuesIn(kScanCases),
                         [](const ::testing::TestParamInfo<ScanCase>& info) { return info.param.name; });

TEST_F(simScan, OneScanLeavesTheOtherTablesAsTheyWere) {
    Command("set " + E(".2.1.3.3.1.4.2.1.4.1") + " 00AABBCCDD02");
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kClientRefresh, "i", "1"}).exitCode);
    EXPECT_EQ("00907A0A0C01", Held(E(".2.1.3.3.1.4.2.1.4.1")));
}

class simScanDelay : public SimTest {
protected:
    simScanDelay() : SimTest(StandardSettingsWith({"--scan-delay", "1500"})) {}
};

TEST_F(simScanDelay, AnswersTheScanLateAndOtherRequestsAtOnce) {
    ToolResult early = Run("snmpset", kV2Write, {kClientRefresh, "i", "1"}, 0, "0.7");
    EXPECT_NE(0, early.exitCode) << "the scan's answer comes after 1.5 s: " << early.output;
    // The scan above is still running; the device answers other requests.
    ToolResult meanwhile = Run("snmpget", kV2Read, {kSysName}, 0, "0.5");
    EXPECT_EQ(0, meanwhile.exitCode) << meanwhile.output;
    ToolResult otherSet = Run("snmpset", kV2Write, {kSysName, "s", "during scan"}, 0, "0.5");
    EXPECT_EQ(0, otherSet.exitCode) << "a SET that starts no scan is not held: " << otherSet.output;

    ToolResult patient = Run("snmpset", kV2Write, {kClientRefresh, "i", "1"}, 0, "4");
    EXPECT_EQ(0, patient.exitCode) << patient.output;
}

TEST_F(simScanDelay, ControlCommandChangesTheDelay) {
    Command("scandelay 0");
    EXPECT_EQ(0, Run("snmpset", kV2Write, {kClientRefresh, "i", "1"}, 0, "0.7").exitCode);
    Command("scandelay 1500");
    EXPECT_NE(0, Run("snmpset", kV2Write, {E(".2.1.3.3.6.1.1.4.1"), "i", "1"}, 0, "0.7").exitCode);
    EXPECT_FALSE(sim_.Control("scandelay soon").ok);
}

class simRemoteAp : public SimTest {
protected:
    void SetAddresses() {
        for (int row = 1; row <= 8; ++row)
            Command("set " + E(kRemoteAp + std::to_string(row)) + " 00AABBCCDD0" + std::to_string(row));
    }
    std::vector<std::string> Addresses() {
        std::vector<std::string> held;
        for (int row = 1; row <= 8; ++row) held.push_back(Held(E(kRemoteAp + std::to_string(row))));
        return held;
    }
};

TEST_F(simRemoteAp, DeleteAllFreesEveryRowAndReadsNothingAgain) {
    SetAddresses();
    ToolResult set = Run("snmpset", kV2Write, {kDeleteAll, "i", "1"});
    ASSERT_EQ(0, set.exitCode) << set.output;
    EXPECT_THAT(Addresses(), ::testing::Each(std::string("000000000000")));
    EXPECT_EQ("0", Value(kV2Read, kDeleteAll));
}

TEST_F(simRemoteAp, DeleteAllActsAfterTheValuesOfItsPdu) {
    SetAddresses();
    // In one PDU the deletion comes last, whatever the order.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(kRemoteAp + "2"), "x", "00907A0A0C09", kDeleteAll, "i", "1"}).exitCode);
    EXPECT_THAT(Addresses(), ::testing::Each(std::string("000000000000")));
    // In a later PDU the new addresses stay.
    SetAddresses();
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kDeleteAll, "i", "1"}).exitCode);
    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(kRemoteAp + "1"), "x", "00907A0A0C01", E(kRemoteAp + "3"), "x",
                                           "00907A0A0C03"}).exitCode);
    std::vector<std::string> expected(8, "000000000000");
    expected[0] = "00907A0A0C01";
    expected[2] = "00907A0A0C03";
    EXPECT_EQ(expected, Addresses());
}

TEST_F(simRemoteAp, ZeroDeletesNothing) {
    SetAddresses();
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kDeleteAll, "i", "0"}).exitCode);
    EXPECT_EQ("00AABBCCDD05", Held(E(kRemoteAp + "5")));
}

// The secrets and what a read gives for "s3cret!x" with and without masking.
const char* const kSecretObjects[] = {
    ".2.1.3.3.2.1.1.4.1",                                                      // pass-phrase
    ".2.1.3.3.2.2.1.3.1.1", ".2.1.3.3.2.2.1.3.1.2", ".2.1.3.3.2.2.1.3.1.3",  // WEP keys
    ".2.1.3.3.2.2.1.3.1.4",
    ".2.1.3.3.2.1.1.10.1",  ".2.1.3.3.2.1.1.13.1",                           // RADIUS secrets
    ".2.1.3.3.2.1.1.17.1",  ".2.1.3.3.2.1.1.21.1",                           // accounting secrets
};

class simMaskedSecrets : public SimTest {
protected:
    simMaskedSecrets() : SimTest(StandardSettingsWith({"--mask-secrets"})) {}
};

TEST_F(simMaskedSecrets, ReadsAnswerAnAsteriskPerCharacter) {
    for (const char* secret : kSecretObjects) {
        ToolResult set = Run("snmpset", kV2Write, {E(secret), "s", "s3cret!x"});
        ASSERT_EQ(0, set.exitCode) << secret << ": " << set.output;
        EXPECT_EQ("\"********\"", Value(kV2Read, E(secret))) << secret;
        EXPECT_EQ("\"********\"", Value(kV3Sha, E(secret))) << secret;
        ToolResult next = Run("snmpgetnext", kV2Read, {E(secret).substr(0, E(secret).rfind('.'))});
        EXPECT_THAT(next.output, ::testing::Not(::testing::HasSubstr("s3cret"))) << secret;
    }
    Command("set " + E(kSecretObjects[0]) + " \"\"");
    EXPECT_EQ("\"\"", Value(kV2Read, E(kSecretObjects[0]))) << "an empty secret stays empty";
    EXPECT_EQ("\"VAP-7720\"", Value(kV2Read, kSysName)) << "other texts are not masked";
}

TEST_F(simRemoteAp, SecretsAreReadAsTheyAreByDefault) {
    for (const char* secret : kSecretObjects) {
        ASSERT_EQ(0, Run("snmpset", kV2Write, {E(secret), "s", "s3cret!x"}).exitCode);
        EXPECT_EQ("\"s3cret!x\"", Value(kV2Read, E(secret))) << secret;
    }
}

}  // namespace
}  // namespace simtest
