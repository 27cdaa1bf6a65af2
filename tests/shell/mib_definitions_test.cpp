// The module's MIB definitions against the fixture typed from the design:
// every table row, every option list, and the named branches of the tree.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/main_window_vars.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"
#include "shell/mib_tables.h"
#include "tests/shell/mib_fixture.h"

namespace {

std::string Text(const char* text) { return text == nullptr ? "(null)" : text; }

const VkOptionList* ListNamed(const char* name) {
    if (name == nullptr) return nullptr;
    for (const mib_fixture::OptionList& list : mib_fixture::kOptionLists)
        if (std::string(list.name) == name) return list.list;
    ADD_FAILURE() << "no option list named " << name << " in the fixture";
    return nullptr;
}

std::vector<const mib_fixture::Row*> FixtureRowsOf(const std::string& table) {
    std::vector<const mib_fixture::Row*> rows;
    for (const mib_fixture::Row& row : mib_fixture::kRows)
        if (table == row.table) rows.push_back(&row);
    return rows;
}

}  // namespace

TEST(ShellMibTables, EveryRowIsAsDesigned) {
    for (const mib_fixture::Table& table : mib_fixture::kTables) {
        SCOPED_TRACE(table.name);
        const std::vector<const mib_fixture::Row*> expected = FixtureRowsOf(table.name);
        ASSERT_EQ(CountVarEntries(table.rows), static_cast<int>(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) {
            const mib_fixture::Row& want = *expected[i];
            const VkSNMPVarEntry& got = table.rows[i];
            SCOPED_TRACE("row " + std::to_string(i));
            EXPECT_EQ(want.row, static_cast<int>(i)) << "fixture rows out of order";
            EXPECT_EQ(Text(got.oid), mib_fixture::DefinitionOid(want.oid));
            EXPECT_EQ(Text(got.name), want.name);
            EXPECT_EQ(got.syntax, want.syntax);
            EXPECT_EQ(got.access, want.access);
            EXPECT_EQ(got.options, ListNamed(want.list)) << "expected " << Text(want.list);
            EXPECT_EQ(got.readExpression, nullptr);
            EXPECT_EQ(got.writeExpression, nullptr);
            EXPECT_EQ(got.spare, nullptr);
            EXPECT_EQ(got.value, nullptr);
            EXPECT_EQ(got.instanceOid, nullptr);
        }
        const VkSNMPVarEntry& end = table.rows[expected.size()];
        EXPECT_TRUE(end.name == nullptr && end.syntax == 0 && end.access == 0 && end.options == nullptr)
            << "the closing row is not a zero row";
    }
}

TEST(ShellMibTables, EveryFixtureRowBelongsToATable) {
    for (const mib_fixture::Row& row : mib_fixture::kRows) {
        bool found = false;
        for (const mib_fixture::Table& table : mib_fixture::kTables)
            found = found || std::string(table.name) == row.table;
        EXPECT_TRUE(found) << row.table;
    }
}

TEST(ShellMibOptionLists, EveryListHoldsItsEntriesInRowOrder) {
    for (const mib_fixture::OptionList& fixture : mib_fixture::kOptionLists) {
        SCOPED_TRACE(fixture.name);
        EXPECT_EQ(fixture.list->kind, OPT_INT);
        EXPECT_FALSE(fixture.list->caseSensitive);
        std::vector<std::pair<int, std::string>> entries;
        for (const VkOptionItem& item : fixture.list->items()) entries.emplace_back(item.number, item.text);
        EXPECT_EQ(entries, fixture.entries);
    }
}

// The behaviour the odd entries give: texts match in any letter case, values
// without an entry pass through, entries keep their row order.
TEST(ShellMibOptionLists, OddEntriesTranslateAsDesigned) {
    struct Case {
        const VkOptionList* list;
        const char* name;
        bool toValue;  // text -> value, else value -> text
        const char* input;
        const char* output;
    };
    const Case cases[] = {
        {&OptDot11ApMode, "OptDot11ApMode", true, "WDS WITH AP", "2"},
        {&OptDot11ApMode2, "OptDot11ApMode2", true, "WDS WITH AP", "2"},
        {&OptDot11ApMode, "OptDot11ApMode", true, "wds with ap", "2"},
        {&OptDot11ApMode2, "OptDot11ApMode2", false, "2", "WDS with AP"},
        {&OptDot11ApMode, "OptDot11ApMode", false, "2", "WDS With Ap"},
        {&OptTftpUpgradeSettingCommand, "OptTftpUpgradeSettingCommand", false, "5", "5"},
        {&OptTftpUpgradeSettingCommand, "OptTftpUpgradeSettingCommand", true, "reboot", "4"},
        {&OptDot11Authentication, "OptDot11Authentication", false, "3", "3"},
        {&OptDot11MssidAuthentication, "OptDot11MssidAuthentication", false, "3", "opensystem-sharedkey"},
        {&OptDot11AutoRekeyControl, "OptDot11AutoRekeyControl", false, "1", "Periodical Key Change "},
        {&OptDot11WifiMode24, "OptDot11WifiMode24", true, "802.11N ONLY", "2"},
        {&OptDot11WifiMode5, "OptDot11WifiMode5", true, "802.11n only", "8"},
    };
    for (const Case& c : cases) {
        const std::string got = c.toValue ? c.list->TextToValue(c.input) : c.list->ValueToText(c.input);
        EXPECT_EQ(got, c.output) << c.name << " " << c.input;
    }
    // A combo's item index is a position in the list: index 0 is 6 or 9.
    EXPECT_EQ(OptDot11WifiMode24.Item(0).number, 6);
    EXPECT_EQ(OptDot11WifiMode5.Item(0).number, 9);
}

TEST(ShellMibTree, BranchesAndGroupsLieUnderTheDeviceRoot) {
    const std::string root = "1.3.6.1.4.1.32473.10.37.44";
    const std::pair<const char*, const char*> cases[] = {
        {MibInterfaceBranch, ".2"},       {MibLanIfGroup, ".2.1.1.1.1"},
        {MibWirelessGroup, ".2.1.3.3"},   {MibFeatureBranch, ".3"},
        {MibDhcpServerGroup, ".3.1"},     {MibLoadBalanceGroup, ".3.2"},
        {MibMultiSsidGroup, ".3.3"},      {MibRogueApGroup, ".3.4.4"},
        {MibVlanGroup, ".3.6"},           {MibQosGroup, ".3.7"},
        {MibTrafficControlGroup, ".3.9"}, {MibScheduleGroup, ".3.10"},
        {MibApArrayGroup, ".3.11"},       {MibInternalRadiusGroup, ".3.12"},
        {MibWebRedirectionGroup, ".3.14"}, {MibArpSpoofingGroup, ".3.15"},
        {MibAdminBranch, ".4"},           {MibUsersGroup, ".4.1"},
        {MibDeviceCommandGroup, ".4.2"},  {MibTftpGroup, ".4.3.2"},
        {MibConsoleGroup, ".4.4"},        {MibTimeGroup, ".4.8"},
        {MibManagementLimitGroup, ".4.10"}, {MibPingControlGroup, ".4.12"},
        {MibStatusBranch, ".5"},          {MibDeviceInfoGroup, ".5.1"},
        {MibStatisticsGroup, ".5.2"},     {MibLogGroup, ".5.4"},
        {MibTrapGroup, ".5.7.2"},
    };
    EXPECT_EQ(std::string(MibDeviceRoot), root);
    for (const auto& [oid, relative] : cases) EXPECT_EQ(std::string(oid), root + relative);
}
