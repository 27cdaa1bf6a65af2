#include "sim/object_store.h"

namespace sim {

bool ObjectStore::Define(const ObjectDef& def) {
    return entries_.emplace(def.oid, Entry{def, def.initial}).second;
}

const ObjectStore::Entry* ObjectStore::Find(const Oid& oid) const {
    auto it = entries_.find(oid);
    return it == entries_.end() ? nullptr : &it->second;
}

ObjectStore::Entry* ObjectStore::Find(const Oid& oid) {
    auto it = entries_.find(oid);
    return it == entries_.end() ? nullptr : &it->second;
}

const ObjectStore::Entry* ObjectStore::Next(const Oid& oid, const Oid& within) const {
    // An OID before the subtree continues at its first object.
    auto it = oid < within ? entries_.lower_bound(within) : entries_.upper_bound(oid);
    if (it == entries_.end() || !StartsWith(it->first, within)) return nullptr;
    return &it->second;
}

bool ObjectStore::Remove(const Oid& oid) { return entries_.erase(oid) > 0; }

void ObjectStore::Put(const Oid& oid, const Value& value) {
    auto it = entries_.find(oid);
    if (it != entries_.end()) it->second.value = value;
}

ObjectStore::Values ObjectStore::Snapshot() const {
    Values values;
    for (const auto& [oid, entry] : entries_) values.emplace(oid, entry.value);
    return values;
}

void ObjectStore::Restore(const Values& values) {
    for (const auto& [oid, value] : values) Put(oid, value);
}

}  // namespace sim
