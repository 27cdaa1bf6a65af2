// Every row of the module's tables against the simulator's object data, which
// was transcribed separately: the same OID, syntax, access and object name,
// and every option value one the device takes. A mismatch is a typo on one
// side.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/object_def.h"
#include "sim/object_file.h"
#include "sim/object_store.h"
#include "tests/shell/mib_fixture.h"

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

class ShellMibSimObjects : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim::LoadObjectFolder(VAP_SIM_OBJECT_FOLDER, store_, error)) << error;
    }

    // Checks one served object against a row.
    void ExpectServedAs(const sim::ObjectStore::Entry& entry, const VkSNMPVarEntry& row) {
        SCOPED_TRACE("simulator object " + sim::FormatOid(entry.def.oid) + " " + entry.def.name);
        sim::Syntax syntax;
        ASSERT_TRUE(SimSyntax(row.syntax, syntax)) << "syntax " << row.syntax;
        EXPECT_EQ(sim::SyntaxName(entry.def.syntax), std::string(sim::SyntaxName(syntax)));
        EXPECT_STREQ(AccessName(entry.def.access), AccessName(SimAccess(row.access)));
        EXPECT_EQ(entry.def.name, row.name);
        // Every value the row's option list offers is one the device takes.
        if (row.options == nullptr) return;
        for (const VkOptionItem& item : row.options->items()) {
            EXPECT_TRUE(sim::Allows(entry.def.allowed, item.number))
                << "option value " << item.number << " \"" << item.text << "\" is refused";
        }
    }

    // The objects served in the subtree of oid (itself included).
    std::vector<const sim::ObjectStore::Entry*> Subtree(const sim::Oid& oid) const {
        std::vector<const sim::ObjectStore::Entry*> entries;
        for (const auto& [key, entry] : store_.Entries())
            if (sim::StartsWith(key, oid)) entries.push_back(&entry);
        return entries;
    }

    sim::ObjectStore store_;
};

}  // namespace

TEST_F(ShellMibSimObjects, EveryTableRowIsServedAlike) {
    for (const mib_fixture::Table& table : mib_fixture::kTables) {
        for (int i = 0; table.rows[i].oid != nullptr; ++i) {
            const VkSNMPVarEntry& row = table.rows[i];
            SCOPED_TRACE(std::string(table.name) + " row " + std::to_string(i) + " " + row.name);
            if (std::string(row.oid) == " ") continue;  // an index taken from another table
            sim::Oid oid;
            ASSERT_TRUE(sim::ParseOid(row.oid, oid)) << row.oid;
            if (row.access == VkSNMPAccess::notaccess) {
                // Index columns are not served; their values are the rows'
                // instance arcs.
                EXPECT_TRUE(Subtree(oid).empty()) << "an index column is served";
                continue;
            }
            switch (table.kind) {
                case SVT_SV:
                    oid.push_back(0);
                    [[fallthrough]];
                case MVT_SV: {
                    const sim::ObjectStore::Entry* entry = store_.Find(oid);
                    if (entry == nullptr) {
                        ADD_FAILURE() << "not served: " << sim::FormatOid(oid);
                    } else {
                        ExpectServedAs(*entry, row);
                    }
                    break;
                }
                default: {
                    // A walked column: every row of it.
                    const auto cells = Subtree(oid);
                    EXPECT_FALSE(cells.empty()) << "no rows served in column " << sim::FormatOid(oid);
                    for (const sim::ObjectStore::Entry* cell : cells) {
                        EXPECT_GT(cell->def.oid.size(), oid.size()) << "a column without instance";
                        ExpectServedAs(*cell, row);
                    }
                }
            }
        }
    }
}
