// The advanced wireless pages' own tables against the simulator's object
// data, and their fixtures against the objects they change.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "pages/wireless/grouping_page_vars.h"
#include "pages/wireless/mac_acl_page_vars.h"
#include "pages/wireless/multissid_page_vars.h"
#include "pages/wireless/performance_page_vars.h"
#include "pages/wireless/radius_server_page_vars.h"
#include "pages/wireless/schedule_page_vars.h"
#include "pages/wireless/wlan_partition_page_vars.h"
#include "sim/object_file.h"
#include "sim/set_check.h"
#include "tests/shell/served_tables.h"

namespace {

TEST(AdvancedWirelessTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsPerformanceRadio", VarsPerformanceRadio, MVT_SV);
    served::ExpectTableServed(store, "VarsPerformanceMulticastRate", VarsPerformanceMulticastRate, MVT_SV);
    served::ExpectTableServed(store, "VarsPerformanceChannelWidth", VarsPerformanceChannelWidth, MVT_SV);
    served::ExpectTableServed(store, "VarsWlanPartition", VarsWlanPartition, MVT_SV);
    served::ExpectTableServed(store, "VarsMultiSsidState", VarsMultiSsidState, MVT_SV);
    served::ExpectTableServed(store, "VarsMultiSsidRadius", VarsMultiSsidRadius, MVT_UMV);
    // The limit's row carries the name the page shows.
    served::ExpectTableServed(store, "VarsGroupUserLimit", VarsGroupUserLimit, MVT_SV, false);
    served::ExpectTableServed(store, "VarsMacAclMode", VarsMacAclMode, MVT_SV);
    served::ExpectTableServed(store, "VarsMacAclAdd", VarsMacAclAdd, MVT_SV);
    served::ExpectTableServed(store, "VarsMacAclDelete", VarsMacAclDelete, MVT_SV);
    served::ExpectTableServed(store, "VarsMacAclList", VarsMacAclList, MVT_UMV);
    served::ExpectTableServed(store, "VarsMacAclZoneDefence", VarsMacAclZoneDefence, MVT_SV);
    served::ExpectTableServed(store, "VarsScheduleStatus", VarsScheduleStatus, MVT_UMV);
    served::ExpectTableServed(store, "VarsScheduleRule", VarsScheduleRule, SVT_SV);
    served::ExpectTableServed(store, "VarsScheduleList", VarsScheduleList, MVT_UMV);
    // Eight instances of one column, each under the column's name.
    served::ExpectTableServed(store, "VarsScheduleNodeStatus", VarsScheduleNodeStatus, MVT_SV);
    served::ExpectTableServed(store, "VarsScheduleMssidSsid", VarsScheduleMssidSsid, MVT_UMV);
    served::ExpectTableServed(store, "VarsRadiusUser", VarsRadiusUser, SVT_SV);
    served::ExpectTableServed(store, "VarsRadiusUserList", VarsRadiusUserList, MVT_UMV);
}

// A fixture only replaces values of objects the standard data defines, with
// values those objects take, and changes at least one of them.
TEST(AdvancedWirelessTables, FixturesReplaceServedValues) {
    sim::ObjectStore standard;
    served::LoadSimObjects(standard);
    std::vector<std::string> fixtures;
    for (const auto& item : std::filesystem::directory_iterator(VAP_ADVANCED_FIXTURES))
        if (item.path().extension() == ".txt") fixtures.push_back(item.path().string());
    std::sort(fixtures.begin(), fixtures.end());
    ASSERT_FALSE(fixtures.empty());
    for (const std::string& path : fixtures) {
        SCOPED_TRACE(path);
        sim::ObjectStore store = standard;
        std::string error;
        ASSERT_TRUE(sim::LoadObjectFile(path, store, error)) << error;
        EXPECT_EQ(standard.Entries().size(), store.Entries().size()) << "a fixture defines objects";
        int changed = 0;
        for (const auto& [oid, entry] : store.Entries()) {
            const sim::ObjectStore::Entry* before = standard.Find(oid);
            if (before == nullptr || before->value == entry.value) continue;
            ++changed;
            EXPECT_EQ(static_cast<int>(sim::SetStatus::NoError), static_cast<int>(sim::CheckSet(before, entry.value)))
                << entry.def.name;
        }
        EXPECT_GT(changed, 0) << "the fixture changes nothing";
    }
}

}  // namespace
