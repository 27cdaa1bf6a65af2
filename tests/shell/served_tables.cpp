#include "tests/shell/served_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/object_def.h"
#include "sim/object_file.h"

namespace served {

namespace {

// The simulator's syntax for a row's syntax code; false when it has none.
bool SimSyntax(int32_t syntax, sim::Syntax& out) {
    switch (syntax) {
        case VkSNMPSyntax::integer: out = sim::Syntax::Integer; return true;
        case VkSNMPSyntax::octetstr:
        case VkSNMPSyntax::displaystr: out = sim::Syntax::String; return true;
        case VkSNMPSyntax::macaddress: out = sim::Syntax::Mac; return true;
        case VkSNMPSyntax::ipaddress: out = sim::Syntax::IpAddress; return true;
        case VkSNMPSyntax::timeticks: out = sim::Syntax::TimeTicks; return true;
        case VkSNMPSyntax::counter: out = sim::Syntax::Counter; return true;
        case VkSNMPSyntax::guage: out = sim::Syntax::Gauge; return true;
        case VkSNMPSyntax::objectid: out = sim::Syntax::ObjectId; return true;
        default: return false;
    }
}

// Rows that start left out (invalid) are switched to read-write by their
// pages before a write, so the device object is writable.
sim::Access SimAccess(int32_t access) {
    return (access & VkSNMPAccess::writeonly) != 0 || access == VkSNMPAccess::invalid ? sim::Access::ReadWrite
                                                                                        : sim::Access::ReadOnly;
}

const char* AccessName(sim::Access access) { return access == sim::Access::ReadWrite ? "rw" : "ro"; }

// Checks one served object against a row.
struct RowUse {
    bool sameNames;
    bool readOnly;
};

void ExpectServedAs(const sim::ObjectStore::Entry& entry, const VkSNMPVarEntry& row, RowUse use) {
    SCOPED_TRACE("simulator object " + sim::FormatOid(entry.def.oid) + " " + entry.def.name);
    sim::Syntax syntax;
    ASSERT_TRUE(SimSyntax(row.syntax, syntax)) << "syntax " << row.syntax;
    EXPECT_EQ(sim::SyntaxName(entry.def.syntax), std::string(sim::SyntaxName(syntax)));
    if (use.sameNames) {
        EXPECT_EQ(entry.def.name, row.name);
    }
    if (use.readOnly) return;
    // A row the table only reads may be served writable: one object can be
    // read through one table and written through another.
    const sim::Access wanted = SimAccess(row.access);
    if (wanted == sim::Access::ReadWrite || entry.def.access == sim::Access::ReadOnly) {
        EXPECT_STREQ(AccessName(entry.def.access), AccessName(wanted));
    }
    // Every value the row's option list offers is one the device takes.
    if (row.options == nullptr) return;
    for (const VkOptionItem& item : row.options->items()) {
        EXPECT_TRUE(sim::Allows(entry.def.allowed, item.number))
            << "option value " << item.number << " \"" << item.text << "\" is refused";
    }
}

// The objects served in the subtree of oid (itself included).
std::vector<const sim::ObjectStore::Entry*> Subtree(const sim::ObjectStore& store, const sim::Oid& oid) {
    std::vector<const sim::ObjectStore::Entry*> entries;
    for (const auto& [key, entry] : store.Entries())
        if (sim::StartsWith(key, oid)) entries.push_back(&entry);
    return entries;
}

void ExpectRowServed(const sim::ObjectStore& store, const VkSNMPVarEntry& row, VkSNMPVarListKind kind,
                     RowUse use) {
    if (std::string(row.oid) == " ") return;  // an index taken from another table
    sim::Oid oid;
    ASSERT_TRUE(sim::ParseOid(row.oid, oid)) << row.oid;
    if (row.access == VkSNMPAccess::notaccess) {
        // Index columns are not served; their values are the rows' instance arcs.
        EXPECT_TRUE(Subtree(store, oid).empty()) << "an index column is served";
        return;
    }
    if (kind == SVT_SV || kind == MVT_SV) {
        if (kind == SVT_SV) oid.push_back(0);
        const sim::ObjectStore::Entry* entry = store.Find(oid);
        if (entry == nullptr)
            ADD_FAILURE() << "not served: " << sim::FormatOid(oid);
        else
            ExpectServedAs(*entry, row, use);
        return;
    }
    // A walked column: every row of it.
    const auto cells = Subtree(store, oid);
    EXPECT_FALSE(cells.empty()) << "no rows served in column " << sim::FormatOid(oid);
    for (const sim::ObjectStore::Entry* cell : cells) {
        EXPECT_GT(cell->def.oid.size(), oid.size()) << "a column without instance";
        ExpectServedAs(*cell, row, use);
    }
}

}  // namespace

void LoadSimObjects(sim::ObjectStore& store) {
    std::string error;
    ASSERT_TRUE(sim::LoadObjectFolder(VAP_SIM_OBJECT_FOLDER, store, error)) << error;
}

void ExpectTableServed(const sim::ObjectStore& store, const char* tableName, const VkSNMPVarEntry* rows,
                       VkSNMPVarListKind kind, bool sameNames, bool readOnlyUse) {
    for (int i = 0; rows[i].oid != nullptr; ++i) {
        SCOPED_TRACE(std::string(tableName) + " row " + std::to_string(i) + " " + rows[i].name);
        ExpectRowServed(store, rows[i], kind, RowUse{sameNames, readOnlyUse});
    }
}

}  // namespace served
