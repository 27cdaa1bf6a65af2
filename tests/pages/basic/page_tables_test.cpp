// The basic pages' own tables against the simulator's object data.

#include <gtest/gtest.h>

#include "pages/basic/information_page_vars.h"
#include "pages/basic/lan_page_vars.h"
#include "tests/shell/served_tables.h"

TEST(BasicPageTables, EveryRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    served::ExpectTableServed(store, "VarsLanGetIpFrom", VarsLanGetIpFrom, MVT_SV);
    // The page names the standard system objects its own way.
    served::ExpectTableServed(store, "VarsMib2System", VarsMib2System, SVT_SV, false);
}
