// The basic pages' own tables against the simulator's object data, and the
// Wireless page's fixtures against the objects they change.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "pages/basic/information_page_vars.h"
#include "pages/basic/lan_page_vars.h"
#include "pages/basic/wireless_page_vars.h"
#include "sim/object_file.h"
#include "sim/set_check.h"
#include "tests/shell/served_tables.h"

namespace {

struct PageTable {
    const char* name;
    const VkSNMPVarEntry* rows;
    VkSNMPVarListKind kind;
};

const PageTable kWirelessTables[] = {
    {"VarsWirelessDataBaseChannel", VarsWirelessDataBaseChannel, MVT_SV},
    {"VarsWirelessWepKey1", VarsWirelessWepKey1, MVT_SV},
    {"VarsWirelessWepKey2", VarsWirelessWepKey2, MVT_SV},
    {"VarsWirelessWepKey3", VarsWirelessWepKey3, MVT_SV},
    {"VarsWirelessWepKey4", VarsWirelessWepKey4, MVT_SV},
    {"VarsWirelessRadius", VarsWirelessRadius, MVT_SV},
    {"VarsWirelessRemoteApList", VarsWirelessRemoteApList, MVT_SV},
    {"VarsWirelessRemoteApTable", VarsWirelessRemoteApTable, MVT_UMV},
    {"VarsWirelessRemoteApDeleteAll", VarsWirelessRemoteApDeleteAll, MVT_SV},
    {"VarsWirelessSurveyRefresh", VarsWirelessSurveyRefresh, MVT_SV},
    {"VarsWirelessSiteSurvey", VarsWirelessSiteSurvey, MVT_UMV},
    {"VarsWirelessWdsSurveyRefresh", VarsWirelessWdsSurveyRefresh, MVT_SV},
    {"VarsWirelessWdsSurvey", VarsWirelessWdsSurvey, MVT_UMV},
    {"VarsWirelessApModeStatus", VarsWirelessApModeStatus, MVT_SV},
    {"VarsWirelessApplication", VarsWirelessApplication, MVT_SV},
    {"VarsWirelessIndoorWdsChannels", VarsWirelessIndoorWdsChannels, MVT_SV},
    {"VarsWirelessIndoorChannels", VarsWirelessIndoorChannels, MVT_SV},
    {"VarsWirelessOutdoorChannels", VarsWirelessOutdoorChannels, MVT_SV},
    {"VarsWirelessMacCloneStatus", VarsWirelessMacCloneStatus, MVT_SV},
    {"VarsWirelessMacClone", VarsWirelessMacClone, MVT_SV},
    {"VarsWirelessMacCloneRefresh", VarsWirelessMacCloneRefresh, MVT_SV},
    {"VarsWirelessMacCloneList", VarsWirelessMacCloneList, MVT_UMV},
    {"VarsWirelessMssidTable", VarsWirelessMssidTable, MVT_UMV},
};

// The fixture files of the Wireless page's tests, in name order.
std::vector<std::string> WirelessFixtures() {
    std::vector<std::string> paths;
    for (const auto& item : std::filesystem::directory_iterator(VAP_WIRELESS_FIXTURES))
        if (item.path().extension() == ".txt") paths.push_back(item.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

}  // namespace

TEST(BasicPageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsLanGetIpFrom", VarsLanGetIpFrom, MVT_SV);
    // The page names the standard system objects its own way.
    served::ExpectTableServed(store, "VarsMib2System", VarsMib2System, SVT_SV, false);
    for (const PageTable& table : kWirelessTables)
        served::ExpectTableServed(store, table.name, table.rows, table.kind);
}

// A fixture only replaces values of objects the standard data defines, with
// values those objects take (read-only ones as if they were writable), and
// changes at least one of them.
TEST(BasicPageTables, WirelessFixturesReplaceServedValues) {
    sim::ObjectStore standard;
    served::LoadSimObjects(standard);
    const std::vector<std::string> fixtures = WirelessFixtures();
    ASSERT_FALSE(fixtures.empty()) << "no fixtures in " << VAP_WIRELESS_FIXTURES;
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
            sim::ObjectStore::Entry writable = *before;
            writable.def.access = sim::Access::ReadWrite;
            EXPECT_EQ(static_cast<int>(sim::SetStatus::NoError),
                      static_cast<int>(sim::CheckSet(&writable, entry.value)))
                << entry.def.name << " " << sim::FormatOid(oid) << " does not take "
                << sim::FormatValue(entry.value);
        }
        EXPECT_GT(changed, 0) << "the fixture changes nothing";
    }
}
