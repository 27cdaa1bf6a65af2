#include "sim/set_error_plan.h"

namespace sim {

int SetErrorPlan::Take(const Oid& oid) {
    auto it = planned_.find(oid);
    if (it == planned_.end()) return 0;
    int status = it->second;
    planned_.erase(it);
    return status;
}

}  // namespace sim
