#pragma once
// The objects of the simulated device and their current values, ordered by OID
// so that GETNEXT is a lookup of the following key.

#include <map>

#include "sim/object_def.h"

namespace sim {

class ObjectStore {
public:
    struct Entry {
        ObjectDef def;
        Value value;
    };
    using Values = std::map<Oid, Value>;

    // Adds an object holding its initial value; false when its OID is taken.
    bool Define(const ObjectDef& def);

    const Entry* Find(const Oid& oid) const;
    Entry* Find(const Oid& oid);

    // The first object after `oid` that lies in the subtree `within`, or null.
    const Entry* Next(const Oid& oid, const Oid& within) const;

    // Takes an object away (a fixture's agent that lacks it); false when
    // there was none.
    bool Remove(const Oid& oid);

    // Replaces the value of an existing object (the caller has checked it).
    void Put(const Oid& oid, const Value& value);

    // Every current value, and putting such a copy back.
    Values Snapshot() const;
    void Restore(const Values& values);

    const std::map<Oid, Entry>& Entries() const { return entries_; }

private:
    std::map<Oid, Entry> entries_;
};

}  // namespace sim
