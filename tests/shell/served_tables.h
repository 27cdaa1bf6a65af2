#pragma once
// Checks a module table against the simulator's object data, which was
// transcribed separately: every row is served with the same OID, syntax,
// access and object name, and every option value is one the device takes. A
// mismatch is a typo on one side.

#include "library/snmp/var_entry.h"
#include "sim/object_store.h"

namespace served {

// Loads the simulator's object folder (VAP_SIM_OBJECT_FOLDER) into store;
// fails the test when it cannot.
void LoadSimObjects(sim::ObjectStore& store);

// Checks every row of a table of the given kind, each as a test failure.
// sameNames: the table names its objects as the simulator does (a page may
// give standard objects names of its own). readOnlyUse: the page only reads
// the table, so neither its access nor its option values need match what the
// device takes in a write.
void ExpectTableServed(const sim::ObjectStore& store, const char* tableName, const VkSNMPVarEntry* rows,
                       VkSNMPVarListKind kind, bool sameNames = true, bool readOnlyUse = false);

}  // namespace served
