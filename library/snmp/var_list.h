#pragma once
// Variable lists: a request's working copy of a static variable table, with
// the list's kind and number of index columns, and the queries that decide
// what a request reads and writes and how a list view lays out its columns.
//
// Requests are filled by assigning a list built from a table:
//
//   request.vars = VkSNMPVarList(VarsDhcpStaticTable, MVT_UMV, 1);
//   request.vars.Item(1)->access = VkSNMPAccess::invalid;
//
// Assignment is a deep copy that keeps the target's instance text and its own
// option lists.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// A list's copy of one table row. access and value change at run time; value
// holds the text shown to the user (after option mapping), or "(NULL)" when
// the device gave no value and "(NOTDONE)" when the item's column ended
// during a walk; instanceOid holds the full OID of the last value received.
struct VkSNMPVarItem {
    VkSNMPVarItem() = default;
    explicit VkSNMPVarItem(const VkSNMPVarEntry& row);

    std::string oid;
    std::string name;
    int32_t syntax = 0;
    int32_t access = 0;
    const VkOptionList* options = nullptr;  // shared, not owned
    std::optional<std::string> readExpression;
    std::optional<std::string> writeExpression;
    std::optional<std::string> spare;
    std::string value;
    std::string instanceOid;
};

class VkSNMPVarList {
public:
    VkSNMPVarList();
    VkSNMPVarList(const VkSNMPVarEntry* rows, VkSNMPVarListKind kind, int32_t keyCount);
    // The copy starts with an empty instance and no option lists of its own.
    VkSNMPVarList(const VkSNMPVarList& other);
    // CopyFrom. There is deliberately no move assignment: assigning a
    // temporary must keep the target's instance and option lists too.
    VkSNMPVarList& operator=(const VkSNMPVarList& other);

    // Appends one item per row of the table; a null or empty table adds none.
    void AppendEntries(const VkSNMPVarEntry* rows);
    void Clear();
    // Replaces kind, keyCount, description and the items by deep copies of
    // the other list's, current access, value and instanceOid included.
    // instance and ownedOptionLists stay as they are.
    void CopyFrom(const VkSNMPVarList& other);

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises os::ListIndexError unless 0 <= index < Count(). The pointer stays
    // valid until the items are cleared or replaced.
    VkSNMPVarItem* Item(int index);
    const VkSNMPVarItem* Item(int index) const;

    // Queries on item i (raising os::ListIndexError outside the list).
    bool IsImpliedIndex(int i) const;  // implied is set
    bool IsRequested(int i) const;     // goes into read requests
    bool IsWritable(int i) const;      // collected for a write
    bool IsShownColumn(int i) const;   // gets a visible list-view column
    bool IsHiddenColumn(int i) const;  // gets a zero-width list-view column
    bool IsHidden(int i) const;        // hidden is set
    // Sets or clears item i's hidden flag: a row editor leaves the item out
    // of its layout and a list view out of its visible columns.
    void SetHidden(int i, bool hidden);
    int ShownColumnCount() const;
    int HiddenColumnCount() const;

    // When not empty, every item's OID is extended by "." and this suffix.
    std::string instance;
    int32_t keyCount = 0;
    VkSNMPVarListKind kind = SVT_SV;
    // Put for "[VARLIST]" in status lines.
    std::string description;
    // Option lists destroyed with this list. They are not copied: items that
    // refer to them must not outlive this list.
    std::vector<std::unique_ptr<VkOptionList>> ownedOptionLists;

private:
    void CheckIndex(int index) const;
    bool Has(int i, int32_t bits) const;
    bool IsTableKind() const;

    // Items live on their own so that pointers handed out by Item survive
    // later appends.
    std::vector<std::unique_ptr<VkSNMPVarItem>> items_;
};
