// The simulated access point's rogue-AP survey and AP-array scan: what a
// scan finds, the reclassifying action objects, and the member list rebuilt
// by an array scan.

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

const std::string kRogueRefresh = E(".3.4.4.1.0");
std::string RogueType(int row) { return E(".3.4.4.4.1.11." + std::to_string(row)); }
std::string RogueSsid(int row) { return E(".3.4.4.4.1.9." + std::to_string(row)); }
const std::string kArrayScan = E(".3.11.1.2.1.1.0");
std::string MemberRole(int row) { return E(".3.11.2.1.1.3." + std::to_string(row)); }
std::string ArrayName(int row) { return E(".3.11.1.2.1.3.1.1.2." + std::to_string(row)); }

using simSurveyPages = SimTest;

TEST_F(simSurveyPages, ARogueScanFindsTheAccessPointsAsTheyStandNow) {
    EXPECT_EQ("\"cafe-free\"", Value(kV2Read, RogueSsid(2)));
    Command("set " + RogueSsid(2) + " \"moved\"");
    EXPECT_EQ("\"cafe-free\"", Value(kV2Read, RogueSsid(2))) << "reads show the last scan";
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kRogueRefresh, "i", "1"}).exitCode);
    EXPECT_EQ("\"moved\"", Value(kV2Read, RogueSsid(2)));
    EXPECT_EQ("0", Value(kV2Read, kRogueRefresh));
}

// Each row: the action object, the type it gives (1 new ... 4 rogue).
TEST_F(simSurveyPages, AnIndexWrittenIntoAnActionObjectGivesThatAccessPointItsType) {
    struct Case {
        const char* object;
        const char* type;
    } const cases[] = {{".3.4.4.7.0", "4"}, {".3.4.4.6.0", "3"}, {".3.4.4.8.0", "1"}, {".3.4.4.5.0", "2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object);
        ASSERT_EQ(0, Run("snmpset", kV2Write, {E(c.object), "i", "3"}).exitCode);
        EXPECT_EQ(c.type, Value(kV2Read, RogueType(3))) << "at once";
        EXPECT_EQ("1", Value(kV2Read, RogueType(4))) << "the other rows keep theirs";
        EXPECT_EQ("0", Value(kV2Read, E(c.object))) << "the action object answers a read";
        ASSERT_EQ(0, Run("snmpset", kV2Write, {kRogueRefresh, "i", "1"}).exitCode);
        EXPECT_EQ(c.type, Value(kV2Read, RogueType(3))) << "and in every later scan";
    }
    ASSERT_EQ(0, Run("snmpset", kV2Write, {E(".3.4.4.7.0"), "i", "99"}).exitCode);
    EXPECT_EQ("2", Value(kV2Read, RogueType(1))) << "an index the survey lacks changes nothing";
}

TEST_F(simSurveyPages, AnArrayScanRebuildsTheArraysAndTheMembers) {
    EXPECT_EQ("0", Value(kV2Read, MemberRole(2))) << "a free member row";
    Command("set " + MemberRole(2) + " 2");
    Command("set " + ArrayName(2) + " \"far-array\"");
    EXPECT_EQ("0", Value(kV2Read, MemberRole(2)));
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kArrayScan, "i", "1"}).exitCode);
    EXPECT_EQ("2", Value(kV2Read, MemberRole(2)));
    EXPECT_EQ("\"far-array\"", Value(kV2Read, ArrayName(2)));
    EXPECT_EQ("0", Value(kV2Read, kArrayScan));
}

}  // namespace
}  // namespace simtest
