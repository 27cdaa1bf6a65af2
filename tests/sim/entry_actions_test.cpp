// Tables whose entries the device adds and deletes through scalars and an
// action object written in the same SET: the ARP gateways (eight fixed rows,
// free rows 0.0.0.0), the web-redirection accounts (free rows unnamed) and
// the traffic-manager rules (read-only rows, free rows unnamed).

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using support::ToolResult;

const std::string kArpIp = E(".3.15.2.1.0");
const std::string kArpMac = E(".3.15.2.2.0");
const std::string kArpAction = E(".3.15.2.3.0");
std::string ArpIp(int row) { return E(".3.15.2.4.1.2." + std::to_string(row)); }
std::string ArpMac(int row) { return E(".3.15.2.4.1.3." + std::to_string(row)); }

const std::string kWebName = E(".3.14.2.1.0");
const std::string kWebPassword = E(".3.14.2.2.0");
const std::string kWebStatus = E(".3.14.2.3.0");
const std::string kWebAction = E(".3.14.2.4.0");
std::string WebName(int row) { return E(".3.14.2.5.1.2." + std::to_string(row)); }
std::string WebPassword(int row) { return E(".3.14.2.5.1.3." + std::to_string(row)); }
// How the control channel shows an empty text.
const std::string kNoText = "\"\"";
std::string WebStatus(int row) { return E(".3.14.2.5.1.4." + std::to_string(row)); }

const std::string kRuleName = E(".3.9.3.2.1.0");
const std::string kRuleIp = E(".3.9.3.2.2.0");
const std::string kRuleDown = E(".3.9.3.2.4.0");
const std::string kRuleUp = E(".3.9.3.2.5.0");
const std::string kRuleAction = E(".3.9.3.2.6.0");
std::string RuleCell(int column, int row) {
    return E(".3.9.3.3.1." + std::to_string(column) + "." + std::to_string(row));
}

class simEntryActions : public SimTest {
protected:
    ToolResult Arp(const std::string& ip, const std::string& mac, int action) {
        return Run("snmpset", kV2Write, {kArpIp, "a", ip, kArpMac, "x", mac, kArpAction, "i", std::to_string(action)});
    }
    std::vector<std::string> ArpRows(int count) {
        std::vector<std::string> rows;
        for (int row = 1; row <= count; ++row) rows.push_back(Held(ArpIp(row)) + " " + Held(ArpMac(row)));
        return rows;
    }
};

TEST_F(simEntryActions, AnArpAddFillsTheFirstFreeRowAndADeleteFreesItsRow) {
    ASSERT_EQ(0, Arp("10.0.0.9", "00AA00BB00CC", 1).exitCode);
    EXPECT_THAT(ArpRows(4), ::testing::ElementsAre("192.168.0.1 00907A000001", "192.168.0.254 00907A0000FE",
                                                   "10.0.0.9 00AA00BB00CC", "0.0.0.0 000000000000"));
    // A free row between used ones is the first free row.
    ASSERT_EQ(0, Arp("192.168.0.1", "00907A000001", 0).exitCode);
    ASSERT_EQ(0, Arp("10.0.0.10", "00AA00BB00CD", 1).exitCode);
    EXPECT_THAT(ArpRows(4), ::testing::ElementsAre("10.0.0.10 00AA00BB00CD", "192.168.0.254 00907A0000FE",
                                                   "10.0.0.9 00AA00BB00CC", "0.0.0.0 000000000000"));
}

TEST_F(simEntryActions, RefusedArpActionsChangeNothing) {
    struct Case {
        const char* name;
        const char* ip;
        const char* mac;
        int action;
    } const cases[] = {
        {"the IP of an entry", "192.168.0.1", "00AA00BB00CC", 1},
        {"the MAC of an entry", "10.0.0.9", "00907A0000FE", 1},
        {"an entry the list lacks", "192.168.0.1", "00907A0000FE", 0},
    };
    const std::vector<std::string> before = ArpRows(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolResult refused = Arp(c.ip, c.mac, c.action);
        EXPECT_NE(0, refused.exitCode);
        EXPECT_THAT(refused.output, ::testing::HasSubstr("inconsistentValue"));
        EXPECT_EQ(ArpRows(8), before);
    }
    EXPECT_EQ("0.0.0.0", Held(kArpIp)) << "the refused SET's scalars are undone";
}

TEST_F(simEntryActions, AFullArpListRefusesTheNinthEntry) {
    for (int n = 3; n <= 8; ++n)
        ASSERT_EQ(0, Arp("10.0.0." + std::to_string(n), "00AA00BB00C" + std::to_string(n), 1).exitCode);
    ToolResult ninth = Arp("10.0.0.99", "00AA00BB00DD", 1);
    EXPECT_NE(0, ninth.exitCode);
    EXPECT_THAT(ninth.output, ::testing::HasSubstr("resourceUnavailable"));
}

TEST_F(simEntryActions, ARowIsRewrittenInPlace) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {ArpIp(2), "a", "192.168.0.253", ArpMac(2), "x", "00907A0000FD"}).exitCode);
    EXPECT_EQ(ArpRows(2), (std::vector<std::string>{"192.168.0.1 00907A000001", "192.168.0.253 00907A0000FD"}));
}

TEST_F(simEntryActions, AWebAccountIsAddedWithTheFieldsOfItsOwnSetAndDeletedByName) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kWebName, "s", "first", kWebPassword, "s", "secret", kWebStatus, "i", "1",
                                           kWebAction, "i", "1"})
                     .exitCode);
    // No password in this SET: the new account has none, whatever the
    // scalar still holds from the SET before.
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kWebName, "s", "second", kWebStatus, "i", "0", kWebAction, "i", "1"})
                     .exitCode);
    EXPECT_EQ("first", Held(WebName(3)));
    EXPECT_EQ("secret", Held(WebPassword(3)));
    EXPECT_EQ("1", Held(WebStatus(3)));
    EXPECT_EQ("second", Held(WebName(4)));
    EXPECT_EQ(kNoText, Held(WebPassword(4)));
    EXPECT_EQ("0", Held(WebStatus(4)));

    ToolResult twice = Run("snmpset", kV2Write, {kWebName, "s", "first", kWebAction, "i", "1"});
    EXPECT_NE(0, twice.exitCode) << "a name is held once";
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kWebName, "s", "first", kWebStatus, "i", "0", kWebAction, "i", "0"})
                     .exitCode);
    EXPECT_EQ(kNoText, Held(WebName(3)));
    EXPECT_EQ(kNoText, Held(WebPassword(3)));
    EXPECT_EQ("second", Held(WebName(4)));
}

TEST_F(simEntryActions, ATrafficRuleIsAddedIntoAFreeRowAndDeletedByItsNameAlone) {
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kRuleName, "s", "cam", kRuleIp, "a", "192.168.0.50", kRuleDown, "i", "20",
                                           kRuleUp, "i", "5", kRuleAction, "i", "1"})
                     .exitCode);
    EXPECT_EQ("cam", Held(RuleCell(2, 1)));
    EXPECT_EQ("192.168.0.50", Held(RuleCell(3, 1)));
    EXPECT_EQ("000000000000", Held(RuleCell(4, 1))) << "no MAC in the SET";
    EXPECT_EQ("20", Held(RuleCell(5, 1)));
    EXPECT_EQ("5", Held(RuleCell(6, 1)));
    EXPECT_NE(0, Run("snmpset", kV2Write, {kRuleName, "s", "cam", kRuleAction, "i", "1"}).exitCode)
        << "a name is held once";
    EXPECT_NE(0, Run("snmpset", kV2Write, {RuleCell(2, 1), "s", "other"}).exitCode) << "the rows are read only";

    ASSERT_EQ(0, Run("snmpset", kV2Write, {kRuleName, "s", "cam", kRuleAction, "i", "0"}).exitCode);
    EXPECT_EQ(kNoText, Held(RuleCell(2, 1)));
    EXPECT_EQ("0.0.0.0", Held(RuleCell(3, 1)));
    EXPECT_NE(0, Run("snmpset", kV2Write, {kRuleName, "s", "cam", kRuleAction, "i", "0"}).exitCode)
        << "no such rule any more";
}

}  // namespace
}  // namespace simtest
