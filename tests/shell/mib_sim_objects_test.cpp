// Every row of the module's shared tables against the simulator's object
// data (served_tables.h).

#include <gtest/gtest.h>

#include "tests/shell/mib_fixture.h"
#include "tests/shell/served_tables.h"

TEST(ShellMibSimObjects, EveryTableRowIsServedAlike) {
    sim::ObjectStore store;
    served::LoadSimObjects(store);
    for (const mib_fixture::Table& table : mib_fixture::kTables)
        served::ExpectTableServed(store, table.name, table.rows, table.kind);
}
