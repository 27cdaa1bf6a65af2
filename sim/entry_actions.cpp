#include "sim/entry_actions.h"

#include <algorithm>
#include <map>

namespace sim {

namespace {

constexpr long kDelete = 0;
constexpr long kAdd = 1;

Oid At(const char* text) {
    Oid oid;
    ParseOid(text, oid);
    return oid;
}

Oid Cell(const Oid& entry, unsigned column, uint32_t index) {
    Oid oid = entry;
    oid.push_back(column);
    oid.push_back(index);
    return oid;
}

bool Written(const std::vector<Oid>& written, const Oid& oid) {
    return std::find(written.begin(), written.end(), oid) != written.end();
}

// The row indices of a table, from the instances of one of its columns.
std::vector<uint32_t> RowsOf(const ObjectStore& store, const Oid& entry, unsigned column) {
    Oid prefix = entry;
    prefix.push_back(column);
    std::vector<uint32_t> rows;
    for (auto it = store.Entries().lower_bound(prefix); it != store.Entries().end() && StartsWith(it->first, prefix);
         ++it)
        if (it->first.size() == prefix.size() + 1) rows.push_back(it->first.back());
    return rows;
}

// What a free row holds in a column of that syntax: zeros, or no text.
Value EmptyOf(Syntax syntax) {
    Value empty;
    empty.syntax = syntax;
    if (syntax == Syntax::IpAddress) empty.octets.assign(4, '\0');
    if (syntax == Syntax::Mac) empty.octets.assign(6, '\0');
    return empty;
}

bool IsFree(const ObjectStore& store, const Oid& entry, unsigned freeColumn, uint32_t row) {
    const ObjectStore::Entry* cell = store.Find(Cell(entry, freeColumn, row));
    return cell == nullptr || cell->value == EmptyOf(cell->def.syntax);
}

// Moves the rows after the freed one up one row; the last row ends free.
void MoveUp(ObjectStore& store, const Oid& entry, const std::vector<EntryActions::Field>& fields,
            const std::vector<uint32_t>& rows, uint32_t freed) {
    auto at = std::find(rows.begin(), rows.end(), freed);
    for (; at != rows.end() && at + 1 != rows.end(); ++at) {
        for (const EntryActions::Field& field : fields) {
            ObjectStore::Entry* to = store.Find(Cell(entry, field.column, *at));
            const ObjectStore::Entry* from = store.Find(Cell(entry, field.column, *(at + 1)));
            if (to == nullptr || from == nullptr) continue;
            to->value = from->value;
            store.Find(Cell(entry, field.column, *(at + 1)))->value = EmptyOf(from->def.syntax);
        }
    }
}

}  // namespace

EntryActions::EntryActions() {
    groups_ = {
        // ARP spoofing prevention: trusted gateways (IP, MAC).
        {"E.3.15.2.3.0", "E.3.15.2.4.1", 2,
         {{"E.3.15.2.1.0", 2, true, true}, {"E.3.15.2.2.0", 3, true, true}}},
        // Web redirection accounts (name, password, status); deleted by name.
        {"E.3.14.2.4.0", "E.3.14.2.5.1", 2,
         {{"E.3.14.2.1.0", 2, true, true}, {"E.3.14.2.2.0", 3, false, false}, {"E.3.14.2.3.0", 4, false, false}}},
        // Internal RADIUS server accounts (name, password, status); deleted by
        // name, listed named rows first.
        {"E.3.12.1.3.0", "E.3.12.2.1.1", 2,
         {{"E.3.12.1.1.0", 2, true, true}, {"E.3.12.1.2.0", 4, false, false}, {"E.3.12.1.4.0", 3, false, false}},
         true},
        // Traffic-manager rules (name, client IP, MAC, speeds); deleted by name.
        {"E.3.9.3.2.6.0", "E.3.9.3.3.1", 2,
         {{"E.3.9.3.2.1.0", 2, true, true},
          {"E.3.9.3.2.2.0", 3, false, false},
          {"E.3.9.3.2.3.0", 4, false, false},
          {"E.3.9.3.2.4.0", 5, false, false},
          {"E.3.9.3.2.5.0", 6, false, false}}},
    };
}

ActionResult EntryActions::Run(ObjectStore& store, const std::vector<Oid>& written, Oid& failed) const {
    for (const Group& group : groups_) {
        const Oid action = At(group.action);
        if (!Written(written, action)) continue;
        ActionResult result = RunGroup(store, group, written);
        if (result != ActionResult::Done && result != ActionResult::NotAnAction) {
            failed = action;
            return result;
        }
    }
    return ActionResult::Done;
}

ActionResult EntryActions::RunGroup(ObjectStore& store, const Group& group, const std::vector<Oid>& written) const {
    const Oid entry = At(group.entry);
    const ObjectStore::Entry* action = store.Find(At(group.action));
    const std::vector<uint32_t> rows = RowsOf(store, entry, group.freeColumn);
    if (action == nullptr || rows.empty()) return ActionResult::NotAnAction;

    // The entry the scalars describe, column by column.
    std::map<unsigned, Value> values;
    for (const Field& field : group.fields) {
        const ObjectStore::Entry* column = store.Find(Cell(entry, field.column, rows.front()));
        const ObjectStore::Entry* scalar = store.Find(At(field.scalar));
        if (column == nullptr || scalar == nullptr) return ActionResult::NotAnAction;
        values[field.column] = Written(written, scalar->def.oid) ? scalar->value : EmptyOf(column->def.syntax);
    }
    auto holds = [&](uint32_t row, const Field& field) {
        const ObjectStore::Entry* cell = store.Find(Cell(entry, field.column, row));
        return cell != nullptr && cell->value == values[field.column];
    };

    if (action->value.number == kAdd) {
        for (uint32_t row : rows) {
            if (IsFree(store, entry, group.freeColumn, row)) continue;
            for (const Field& field : group.fields)
                if (field.unique && holds(row, field)) return ActionResult::Duplicate;
        }
        for (uint32_t row : rows) {
            if (!IsFree(store, entry, group.freeColumn, row)) continue;
            for (const auto& [column, value] : values) store.Put(Cell(entry, column, row), value);
            return ActionResult::Done;
        }
        return ActionResult::Full;
    }
    if (action->value.number == kDelete) {
        for (uint32_t row : rows) {
            if (IsFree(store, entry, group.freeColumn, row)) continue;
            bool match = true;
            for (const Field& field : group.fields)
                if (field.key && !holds(row, field)) match = false;
            if (!match) continue;
            for (const Field& field : group.fields) {
                ObjectStore::Entry* cell = store.Find(Cell(entry, field.column, row));
                if (cell != nullptr) cell->value = EmptyOf(cell->def.syntax);
            }
            if (group.compact) MoveUp(store, entry, group.fields, rows, row);
            return ActionResult::Done;
        }
        return ActionResult::NotFound;
    }
    return ActionResult::NotAnAction;
}

}  // namespace sim
