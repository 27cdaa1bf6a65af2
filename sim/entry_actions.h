#pragma once
// Device tables whose entries are added and deleted through a group of scalar
// objects and an action object written in the same SET: action 1 adds the
// entry the scalars describe into the first free row, 0 deletes the used row
// whose key columns hold the scalars' values. The table has fixed rows; a
// free row is empty (zeros, or no text) in the column that marks it, and a
// delete empties the row.
//
// A field the SET did not write counts as empty (an empty password, say),
// never as what an earlier SET left in the scalar. An
// add that would repeat a unique value of another entry, an add into a full
// table and a delete of an entry the table does not hold are refused; a
// refused action changes nothing.

#include <vector>

#include "sim/object_store.h"

namespace sim {

enum class ActionResult {
    Done,
    NotAnAction,
    Duplicate,
    Full,
    NotFound,
    Invalid,  // the values do not describe a valid entry
};

class EntryActions {
public:
    struct Field {
        const char* scalar;  // the field's scalar object
        unsigned column;     // the table column it fills
        bool key;            // a delete finds its row by these
        bool unique;         // no two entries share the value
    };
    struct Group {
        const char* action;      // the action object (1 add, 0 delete)
        const char* entry;       // the table's entry OID; columns are entry.column.index
        unsigned freeColumn;     // the column that is empty in a free row
        std::vector<Field> fields;
        // A delete moves the entries after the deleted one up a row, so that
        // the used rows always come first.
        bool compact = false;
    };

    // The groups of the device (ARP gateways, web-redirection accounts,
    // internal RADIUS accounts, traffic-manager rules).
    EntryActions();

    // Runs the action of every group whose action object the SET wrote,
    // after all its values are stored: Done, or why the first refused
    // action was refused (`failed` receives its action object). A group
    // whose objects the device lacks does nothing.
    ActionResult Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const;

private:
    ActionResult RunGroup(ObjectStore& store, const Group& group, const std::vector<Oid>& written) const;

    std::vector<Group> groups_;
};

}  // namespace sim
