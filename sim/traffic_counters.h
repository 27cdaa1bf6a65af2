#pragma once
// The traffic counters of the device's two interfaces (WLAN and Ethernet,
// instance 1). The device carries traffic all the time, so each read of a
// counter is followed by some more of it: the next read finds the counter
// grown by a step of its own. A clear command zeroes the interface's
// counters; the first read after it finds 0.

#include <map>
#include <vector>

#include "sim/object_store.h"
#include "sim/oid.h"

namespace sim {

class TrafficCounters {
public:
    explicit TrafficCounters(ObjectStore& store);

    // After the object was read: a counter grows by its step.
    void AfterRead(const Oid& oid);
    // Zeroes every counter of the interface.
    void ClearWlan() { Clear(wlan_); }
    void ClearEthernet() { Clear(ethernet_); }

private:
    void Clear(const std::vector<Oid>& counters);

    ObjectStore& store_;
    std::map<Oid, long> steps_;
    std::vector<Oid> wlan_;
    std::vector<Oid> ethernet_;
};

}  // namespace sim
