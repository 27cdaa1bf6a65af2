#pragma once
// Error statuses a test asked the agent to answer on the next SET that writes
// a given object (a fault of the device, not a check of the value).

#include <map>

#include "sim/oid.h"

namespace sim {

class SetErrorPlan {
public:
    void Add(const Oid& oid, int status) { planned_[oid] = status; }

    // The status planned for the object, once; 0 when none is planned.
    int Take(const Oid& oid);

private:
    std::map<Oid, int> planned_;
};

}  // namespace sim
