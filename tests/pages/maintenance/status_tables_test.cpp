// The Status list and statistics pages' own tables against the simulator's
// object data: every row served with the same syntax and access.

#include <gtest/gtest.h>

#include "pages/maintenance/stats_page_vars.h"
#include "pages/maintenance/wds_info_page_vars.h"
#include "tests/shell/served_tables.h"

TEST(StatusPageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsWdsInfoChannel", VarsWdsInfoChannel, MVT_SV);
    served::ExpectTableServed(store, "VarsWdsInfoRefresh", VarsWdsInfoRefresh, MVT_SV);
    served::ExpectTableServed(store, "VarsWdsInfoTable", VarsWdsInfoTable, MVT_UMV);
    served::ExpectTableServed(store, "VarsWlanStatsCounters", VarsWlanStatsCounters, MVT_SV);
    served::ExpectTableServed(store, "VarsWlanStatsClear", VarsWlanStatsClear, MVT_SV);
    served::ExpectTableServed(store, "VarsEthernetStatsCounters", VarsEthernetStatsCounters, MVT_SV);
    served::ExpectTableServed(store, "VarsEthernetStatsClear", VarsEthernetStatsClear, MVT_SV);
}
