#include "sim/traffic_counters.h"

#include <string>

namespace sim {

namespace {

struct Counter {
    int column;
    long step;  // growth between two reads: packets and bytes steadily, errors now and then
};

// WLAN counters: columns 19 to 29 below E.5.2.2.1.1.1; Ethernet: 1 to 6
// below E.5.2.1.1.1.1.
const Counter kWlanCounters[] = {{19, 9}, {20, 6150}, {21, 0}, {22, 1}, {23, 8},  {24, 2970},
                                 {25, 0}, {26, 1},    {27, 0}, {28, 0}, {29, 0}};
const Counter kEthernetCounters[] = {{1, 12}, {2, 9216}, {3, 0}, {4, 11}, {5, 4380}, {6, 0}};

Oid CounterOid(const char* columns, int column) {
    Oid oid;
    ParseOid(std::string(columns) + "." + std::to_string(column) + ".1", oid);
    return oid;
}

}  // namespace

TrafficCounters::TrafficCounters(ObjectStore& store) : store_(store) {
    for (const Counter& counter : kWlanCounters) {
        wlan_.push_back(CounterOid("E.5.2.2.1.1.1", counter.column));
        steps_[wlan_.back()] = counter.step;
    }
    for (const Counter& counter : kEthernetCounters) {
        ethernet_.push_back(CounterOid("E.5.2.1.1.1.1", counter.column));
        steps_[ethernet_.back()] = counter.step;
    }
}

void TrafficCounters::AfterRead(const Oid& oid) {
    auto step = steps_.find(oid);
    if (step == steps_.end() || step->second == 0) return;
    ObjectStore::Entry* entry = store_.Find(oid);
    if (entry == nullptr) return;
    Value grown = entry->value;
    grown.number = (grown.number + step->second) & 0x7FFFFFFF;  // an INTEGER wraps to 0
    store_.Put(oid, grown);
}

void TrafficCounters::Clear(const std::vector<Oid>& counters) {
    for (const Oid& oid : counters) {
        ObjectStore::Entry* entry = store_.Find(oid);
        if (entry == nullptr) continue;
        Value zero = entry->value;
        zero.number = 0;
        store_.Put(oid, zero);
    }
}

}  // namespace sim
