// The simulator against net-snmp's own tools: every version and security
// level reads and writes, wrong credentials get what a real agent gives, and
// SET errors carry the right status for SNMPv1 and SNMPv2c.
// (Suite names start with "sim" so that `ctest -R sim` selects them.)

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using support::SnmpAccess;
using support::ToolResult;

bool Has(const ToolResult& result, const std::string& text) {
    return result.output.find(text) != std::string::npos;
}

// ---------------------------------------------------------------------------
// Reading and writing with every version and security level.

struct AccessCase {
    const char* name;
    SnmpAccess read;
    SnmpAccess write;
};

void PrintTo(const AccessCase& c, std::ostream* out) { *out << c.name; }

class simAccess : public SimTest, public ::testing::WithParamInterface<AccessCase> {};

TEST_P(simAccess, WritesShellObjectsAndReadsThemBack) {
    const AccessCase& c = GetParam();
    ToolResult set = Run("snmpset", c.write,
                         {kSysName, "s", std::string("name-") + c.name,
                          E(".2.1.1.1.1.2.1"), "a", "10.1.2.3",
                          E(".3.1.1.0"), "i", "1"});
    ASSERT_EQ(0, set.exitCode) << set.output;

    EXPECT_EQ(std::string("\"name-") + c.name + "\"", Value(c.read, kSysName));
    EXPECT_EQ("10.1.2.3", Value(c.read, E(".2.1.1.1.1.2.1")));
    EXPECT_EQ("1", Value(c.read, E(".3.1.1.0")));
}

TEST_P(simAccess, WalksTheStaticPoolColumnOverItsEightRows) {
    ToolResult walk = Run("snmpwalk", GetParam().read, {"-Oq", E(".3.1.3.2.1.4")});
    ASSERT_EQ(0, walk.exitCode) << walk.output;
    for (int row = 1; row <= 8; ++row)
        EXPECT_TRUE(Has(walk, "." + E(".3.1.3.2.1.4." + std::to_string(row)) + " 0.0.0.0"))
            << "row " << row << " in\n" << walk.output;
    EXPECT_FALSE(Has(walk, E(".3.1.3.2.1.4.9")));
}

const AccessCase kAccessCases[] = {
    {"v1", kV1Read, kV1Write},
    {"v2c", kV2Read, kV2Write},
    {"v3NoAuthNoPriv", kV3NoAuth, kV3NoAuth},
    {"v3ShaAuthNoPriv", kV3Sha, kV3Sha},
    {"v3Md5DesAuthPriv", kV3Md5Des, kV3Md5Des},
    {"v3ShaDesAuthPriv", kV3ShaDes, kV3ShaDes},
};

INSTANTIATE_TEST_SUITE_P(sim, simAccess, ::testing::ValuesIn(kAccessCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Wrong credentials: what a real agent answers (or that it does not).

struct RefusalCase {
    const char* name;
    const char* tool;
    SnmpAccess access;
    std::vector<std::string> arguments;
    const char* expected;  // in the tool's output
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class simRefusal : public SimTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(simRefusal, IsRefusedAsARealAgentRefuses) {
    const RefusalCase& c = GetParam();
    ToolResult result = Run(c.tool, c.access, c.arguments, 0);
    EXPECT_NE(0, result.exitCode);
    EXPECT_TRUE(Has(result, c.expected)) << result.output;
    EXPECT_EQ("\"VAP-7720\"", Value(kV2Read, kSysName)) << "nothing may have been written";
}

const std::vector<std::string> kGetSysName = {kSysName};
const std::vector<std::string> kSetSysName = {kSysName, "s", "intruder"};

const RefusalCase kRefusalCases[] = {
    {"v1WrongCommunity", "snmpget", {"-v1", "-c", "wrong"}, kGetSysName, "Timeout"},
    {"v2cWrongCommunity", "snmpget", {"-v2c", "-c", "wrong"}, kGetSysName, "Timeout"},
    {"v1ReadCommunitySets", "snmpset", kV1Read, kSetSysName, "noSuchName"},
    {"v2cReadCommunitySets", "snmpset", kV2Read, kSetSysName, "noAccess"},
    {"v3UnknownUser", "snmpget", {"-v3", "-l", "noAuthNoPriv", "-u", "nobody"}, kGetSysName,
     "Unknown user name"},
    {"v3WrongAuthPassword", "snmpget",
     {"-v3", "-l", "authNoPriv", "-u", "an", "-a", "SHA", "-A", "wrongPass1"}, kGetSysName,
     "Authentication failure"},
    {"v3WrongPrivPassword", "snmpset",
     {"-v3", "-l", "authPriv", "-u", "ap", "-a", "MD5", "-A", "apAuthPass1", "-x", "DES", "-X",
      "wrongPass1"},
     kSetSysName, "Timeout"},
};

INSTANTIATE_TEST_SUITE_P(sim, simRefusal, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// SET errors: each bad SET gets its status and leaves the object unchanged.

struct SetErrorCase {
    const char* name;
    SnmpAccess access;
    std::string oid;
    const char* type;
    const char* value;
    const char* expected;
};

void PrintTo(const SetErrorCase& c, std::ostream* out) { *out << c.name; }

class simSetError : public SimTest, public ::testing::WithParamInterface<SetErrorCase> {};

TEST_P(simSetError, AnswersItsStatusAndChangesNothing) {
    const SetErrorCase& c = GetParam();
    std::string before = Held(c.oid);
    ToolResult result = Run("snmpset", c.access, {c.oid, c.type, c.value});
    EXPECT_NE(0, result.exitCode);
    EXPECT_TRUE(Has(result, std::string("Reason: ") + c.expected) ||
                Has(result, std::string("(") + c.expected + ")"))
        << result.output;
    EXPECT_EQ(before, Held(c.oid));
}

const SetErrorCase kSetErrorCases[] = {
    {"v2cReadOnly", kV2Write, E(".5.1.1.0"), "s", "9.9", "notWritable"},
    {"v1ReadOnly", kV1Write, E(".5.1.1.0"), "s", "9.9", "noSuchName"},
    {"v2cLedIsReadOnly", kV2Write, E(".5.1.2.1.1.6.1"), "i", "0", "notWritable"},
    {"v2cWrongType", kV2Write, E(".3.1.1.0"), "s", "1", "wrongType"},
    {"v1WrongType", kV1Write, E(".3.1.1.0"), "s", "1", "badValue"},
    {"v2cOutOfRange", kV2Write, E(".3.1.1.0"), "i", "2", "wrongValue"},
    {"v1OutOfRange", kV1Write, E(".3.1.1.0"), "i", "2", "badValue"},
    {"v2cValueNotInList", kV2Write, E(".4.3.2.5.0"), "i", "5", "wrongValue"},
    {"v2cShortMac", kV2Write, E(".3.1.3.2.1.5.1"), "x", "0011223344", "wrongLength"},
    {"v2cLongText", kV2Write, E(".2.1.3.3.1.1.1.1.1"), "s",
     "an SSID that is far longer than thirty-two characters", "wrongLength"},
    {"v2cNoSuchObject", kV2Write, E(".4.2.99.0"), "i", "1", "noCreation"},
    {"v1NoSuchObject", kV1Write, E(".4.2.99.0"), "i", "1", "noSuchName"},
};

INSTANTIATE_TEST_SUITE_P(sim, simSetError, ::testing::ValuesIn(kSetErrorCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// A SET PDU is one transaction; GETs follow the version's rules.

class simProtocol : public SimTest {};

TEST_F(simProtocol, SetWithOneBadVarbindChangesNothingWhateverItsPosition) {
    const std::vector<std::string> good = {E(".2.1.1.1.1.3.1"), "a", "255.255.0.0"};
    const std::vector<std::string> bad = {E(".3.1.1.0"), "i", "7"};
    for (const SnmpAccess& access : {kV1Write, kV2Write}) {
        for (bool badFirst : {false, true}) {
            std::vector<std::string> arguments = badFirst ? bad : good;
            const auto& second = badFirst ? good : bad;
            arguments.insert(arguments.end(), second.begin(), second.end());
            ToolResult result = Run("snmpset", access, arguments);
            EXPECT_NE(0, result.exitCode) << result.output;
            EXPECT_EQ("255.255.255.0", Held(E(".2.1.1.1.1.3.1"))) << access[0] << " " << badFirst;
            EXPECT_EQ("0", Held(E(".3.1.1.0")));
        }
    }
}

TEST_F(simProtocol, V1GetWithOneMissingObjectFailsTheWholePdu) {
    // -Cf: the tool shall not retry without the failed object.
    ToolResult result = Run("snmpget", kV1Read, {"-Cf", kSysName, E(".4.2.99.0")});
    EXPECT_TRUE(Has(result, "noSuchName")) << result.output;
    EXPECT_FALSE(Has(result, "VAP-7720")) << result.output;
}

TEST_F(simProtocol, V2cGetWithOneMissingObjectFailsOnlyThatObject) {
    ToolResult result = Run("snmpget", kV2Read, {kSysName, E(".4.2.99.0")});
    EXPECT_TRUE(Has(result, "\"VAP-7720\"")) << result.output;
    EXPECT_TRUE(Has(result, "No Such Object")) << result.output;
}

TEST_F(simProtocol, GetNextCrossesFromTheSystemGroupAndEndsAfterTheLastObject) {
    // The last object of the device: the trap receiver's address.
    ToolResult next = Run("snmpgetnext", kV2Read, {"1.3.6.1.2.1", E(".5.7.2.3.1.2.1")});
    ASSERT_EQ(0, next.exitCode) << next.output;
    EXPECT_TRUE(Has(next, ".1.3.6.1.2.1.1.1.0 = STRING: \"VAP-7720")) << next.output;
    EXPECT_FALSE(Has(next, E(""))) << "nothing of the device lies after the trap receiver\n" << next.output;

    ToolResult v2End = Run("snmpgetnext", kV2Read, {"1.3.6.1.6.3.16.9"});
    EXPECT_TRUE(Has(v2End, "No more variables left in this MIB View")) << v2End.output;
    ToolResult v1End = Run("snmpgetnext", kV1Read, {"1.3.6.1.6.3.16.9"});
    EXPECT_TRUE(Has(v1End, "noSuchName")) << v1End.output;
}

TEST_F(simProtocol, WalkOfTheSystemGroupIncludesTheUptime) {
    ToolResult walk = Run("snmpwalk", kV2Read, {"1.3.6.1.2.1.1"});
    ASSERT_EQ(0, walk.exitCode) << walk.output;
    for (const char* oid : {".1.3.6.1.2.1.1.1.0 = STRING", ".1.3.6.1.2.1.1.2.0 = OID",
                            ".1.3.6.1.2.1.1.3.0 = Timeticks", ".1.3.6.1.2.1.1.5.0 = STRING"})
        EXPECT_TRUE(Has(walk, oid)) << oid << " in\n" << walk.output;
}

TEST_F(simProtocol, CommandObjectsActOnceAndReadNothingAgain) {
    ToolResult set = Run("snmpset", kV2Write, {E(".4.2.3.0"), "i", "1", E(".4.2.5.0"), "i", "1"});
    ASSERT_EQ(0, set.exitCode) << set.output;
    EXPECT_TRUE(Has(set, E(".4.2.3.0") + " = INTEGER: 1")) << "the answer echoes the written value";
    EXPECT_EQ("0", Value(kV2Read, E(".4.2.3.0")));
    EXPECT_EQ("0", Value(kV2Read, E(".4.2.5.0")));
    EXPECT_EQ("4", Value(kV2Read, E(".4.3.2.4.0")));
}

class simFixture : public SimTest {
protected:
    void SetUp() override {
        fixture_ = support::MakeTempFolder("vap7720-fixture") + "/fixture.txt";
        support::WriteFile(fixture_,
                           "# a page's extra object and fixture values\n"
                           "extraObject E.9.1.0 string rw 0..16 \"extra\"\n"
                           "1.3.6.1.2.1.1.5.0 \"fixture name\"\n"
                           "E.3.1.3.2.1.3.4 host-four\n");
        sim_.Settings().arguments.insert(sim_.Settings().arguments.end(), {"--fixture", fixture_});
        SimTest::SetUp();
    }

    void TearDown() override {
        SimTest::TearDown();
        support::RemoveFolder(fixture_.substr(0, fixture_.rfind('/')));
    }

    std::string fixture_;
};

TEST_F(simFixture, AddsObjectsAndValuesAfterTheObjectFiles) {
    EXPECT_EQ("\"extra\"", Value(kV2Read, E(".9.1.0")));
    EXPECT_EQ("\"fixture name\"", Value(kV2Read, kSysName));
    EXPECT_EQ("\"host-four\"", Value(kV2Read, E(".3.1.3.2.1.3.4")));
    EXPECT_EQ("\"\"", Value(kV2Read, E(".3.1.3.2.1.3.3"))) << "the other rows stay free";
}

TEST(simStart, RefusesABadFixtureNamingItsLine) {
    std::string folder = support::MakeTempFolder("vap7720-fixture");
    support::WriteFile(folder + "/bad.txt", "E.4.2.1.0 1\nE.4.2.1.0 one\n");
    support::SimProcess sim(support::SimSettings{{"--fixture", folder + "/bad.txt"}, {}, {}});
    std::string error;
    EXPECT_FALSE(sim.Start(error));
    EXPECT_THAT(error, ::testing::HasSubstr("bad.txt:2: bad value one"));
    support::RemoveFolder(folder);
}

}  // namespace
}  // namespace simtest
