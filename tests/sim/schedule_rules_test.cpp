// The schedule rules and the internal RADIUS accounts the device adds and
// deletes through scalars and an action object in one SET: the texts a rule's
// row carries, the rule's key (name and SSID index), the refusals, and both
// lists kept with their named rows first.

#include <gmock/gmock.h>

#include "tests/sim/sim_fixture.h"

namespace simtest {
namespace {

using support::ToolResult;
using Texts = std::vector<std::string>;

const std::string kName = E(".3.10.1.2.1.0");
const std::string kDays = E(".3.10.1.2.2.0");
const std::string kAllDay = E(".3.10.1.2.3.0");
const std::string kStart = E(".3.10.1.2.4.0");
const std::string kEnd = E(".3.10.1.2.5.0");
const std::string kAction = E(".3.10.1.2.7.0");
const std::string kSsidIndex = E(".3.10.1.2.8.0");
const std::string kNodeStatus = E(".3.10.1.2.9.0");
const std::string kOver = E(".3.10.1.2.10.0");
std::string ListCell(int column, int row) {
    return E(".3.10.2.1.1." + std::to_string(column) + "." + std::to_string(row));
}

const std::string kUserName = E(".3.12.1.1.0");
const std::string kUserPassword = E(".3.12.1.2.0");
const std::string kUserAction = E(".3.12.1.3.0");
const std::string kUserStatus = E(".3.12.1.4.0");
std::string AccountName(int row) { return E(".3.12.2.1.1.2." + std::to_string(row)); }

class simScheduleRules : public SimTest {
protected:
    // A timed rule (all-day 0) or, with empty times, an all-day one.
    ToolResult Add(const std::string& name, int ssid, int days, const std::string& start, const std::string& end,
                   int over = 0) {
        std::vector<std::string> args = {kName,       "s", name, kSsidIndex, "i", std::to_string(ssid),
                                         kDays,       "i", std::to_string(days),
                                         kNodeStatus, "i", "1",  kAction,    "i", "1"};
        if (start.empty()) {
            args.insert(args.end(), {kAllDay, "i", "1"});
        } else {
            args.insert(args.end(), {kAllDay, "i", "0", kStart, "s", start, kEnd, "s", end, kOver, "i",
                                     std::to_string(over)});
        }
        return Run("snmpset", kV2Write, args);
    }
    ToolResult Delete(const std::string& name, int ssid) {
        return Run("snmpset", kV2Write, {kName, "s", name, kSsidIndex, "i", std::to_string(ssid), kAction, "i", "0"});
    }
    // "name|days|time frame|wireless|index|ssid|node|overnight" per row, as the
    // control channel shows them (texts with blanks quoted).
    Texts Rows(int count) {
        Texts rows;
        for (int row = 1; row <= count; ++row) {
            std::string text;
            for (int column = 2; column <= 9; ++column) text += (column > 2 ? "|" : "") + Held(ListCell(column, row));
            rows.push_back(text);
        }
        return rows;
    }
};

TEST_F(simScheduleRules, AnAddedRuleCarriesTheDevicesTexts) {
    Command("set " + E(".3.3.3.1.3.1.3") + " Guests");
    ASSERT_EQ(0, Add("office", 0, 2 | 8 | 32, "09:05", "17:30").exitCode);
    ASSERT_EQ(0, Add("night", 2, 0, "22:00", "06:00", 1).exitCode);
    ASSERT_EQ(0, Add("weekend", 5, 1 | 64, "", "").exitCode);
    EXPECT_THAT(Rows(4), ::testing::ElementsAre("office|Mon,Wed,Fri|9:05-17:30|1|0|\"\"|1|0",
                                                "night|\"All Week\"|22:00-6:00|1|2|Guests|1|1",
                                                "weekend|Sun,Sat|\"All Day(s)\"|1|5|\"\"|1|0",
                                                "\"\"|\"\"|\"\"|0|0|\"\"|0|0"));
}

TEST_F(simScheduleRules, ADeleteNeedsNameAndSsidIndexAndMovesTheLaterRulesUp) {
    ASSERT_EQ(0, Add("a", 1, 0, "", "").exitCode);
    ASSERT_EQ(0, Add("b", 2, 0, "", "").exitCode);
    ASSERT_EQ(0, Add("c", 3, 0, "", "").exitCode);
    ToolResult wrongIndex = Delete("b", 1);
    EXPECT_NE(0, wrongIndex.exitCode);
    EXPECT_THAT(wrongIndex.output, ::testing::HasSubstr("inconsistentValue"));
    ASSERT_EQ(0, Delete("b", 2).exitCode);
    EXPECT_EQ(Held(ListCell(2, 1)), "a");
    EXPECT_EQ(Held(ListCell(2, 2)), "c");
    EXPECT_EQ(Held(ListCell(6, 2)), "3");
    EXPECT_EQ(Held(ListCell(2, 3)), "\"\"");
    EXPECT_EQ(Held(ListCell(6, 3)), "0") << "a free row reads SSID index 0";
}

TEST_F(simScheduleRules, RefusedRulesChangeNothing) {
    ASSERT_EQ(0, Add("a", 1, 0, "08:00", "17:00").exitCode);
    struct Case {
        const char* name;
        std::string rule;
        int ssid;
        const char* start;
        const char* end;
    } const cases[] = {
        {"a second rule for one SSID", "b", 1, "", ""},
        {"no name", "", 2, "", ""},
        {"an hour of 24", "b", 2, "24:00", "06:00"},
        {"a minute of 60", "b", 2, "08:60", "09:00"},
        {"equal times", "b", 2, "08:00", "08:00"},
    };
    const Texts before = Rows(8);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolResult refused = Add(c.rule, c.ssid, 0, c.start, c.end);
        EXPECT_NE(0, refused.exitCode);
        EXPECT_THAT(refused.output, ::testing::HasSubstr("inconsistentValue"));
        EXPECT_EQ(Rows(8), before);
    }
}

TEST_F(simScheduleRules, EightRulesFillTheList) {
    for (int ssid = 0; ssid < 8; ++ssid) ASSERT_EQ(0, Add("r" + std::to_string(ssid), ssid, 0, "", "").exitCode);
    ASSERT_EQ(0, Delete("r0", 0).exitCode);
    EXPECT_EQ(Held(ListCell(2, 1)), "r1");
    EXPECT_EQ(Held(ListCell(2, 7)), "r7");
    EXPECT_EQ(Held(ListCell(2, 8)), "\"\"");
}

TEST_F(simScheduleRules, RadiusAccountsAreDeletedByNameAndStayCompacted) {
    for (const char* name : {"alice", "bob", "carol"})
        ASSERT_EQ(0, Run("snmpset", kV2Write, {kUserName, "s", name, kUserPassword, "s", "password1", kUserStatus,
                                               "i", "1", kUserAction, "i", "1"})
                         .exitCode);
    EXPECT_NE(0, Run("snmpset", kV2Write, {kUserName, "s", "bob", kUserAction, "i", "1"}).exitCode)
        << "a name is held once";
    ASSERT_EQ(0, Run("snmpset", kV2Write, {kUserName, "s", "alice", kUserStatus, "i", "1", kUserAction, "i", "0"})
                     .exitCode);
    EXPECT_EQ(Held(AccountName(1)), "bob");
    EXPECT_EQ(Held(AccountName(2)), "carol");
    EXPECT_EQ(Held(E(".3.12.2.1.1.4.2")), "password1");
    EXPECT_EQ(Held(AccountName(3)), "\"\"");
}

}  // namespace
}  // namespace simtest
