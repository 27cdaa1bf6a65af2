#pragma once
// The module's MIB definitions typed a second time, apart from the
// definitions themselves: every table with the list kind its users build it
// with, every row, and every option list with its entries.

#include <string>
#include <utility>
#include <vector>

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

namespace mib_fixture {

struct Table {
    const char* name;
    const VkSNMPVarEntry* rows;
    VkSNMPVarListKind kind;
};

// One table row. oid: relative to the device root when it starts with ".",
// "none" for an index that is not a column of the table, else absolute.
// syntax and access are the numeric codes. list: the option list's name, or
// null.
struct Row {
    const char* table;
    int row;
    const char* oid;
    const char* name;
    int syntax;
    int access;
    const char* list;
};

struct OptionList {
    const char* name;
    const VkOptionList* list;
    std::vector<std::pair<int, std::string>> entries;  // (value, text) in row order
};

// The shared tables, then the main window's.
extern const std::vector<Table> kTables;
extern const std::vector<Row> kRows;
extern const std::vector<OptionList> kOptionLists;

// The OID text a row's definition carries for a fixture OID.
std::string DefinitionOid(const std::string& fixtureOid);

}  // namespace mib_fixture
