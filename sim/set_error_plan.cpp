#include "sim/set_error_plan.h"

namespace sim {

void SetErrorPlan::Lose(const Oid& oid, int count) {
    if (count > 0) lost_[oid] = count;
    else lost_.erase(oid);
}

int SetErrorPlan::Take(const Oid& oid) {
    auto lost = lost_.find(oid);
    if (lost != lost_.end()) {
        if (--lost->second == 0) lost_.erase(lost);
        answerLost_ = true;
        return kLost;
    }
    auto it = planned_.find(oid);
    if (it == planned_.end()) return 0;
    if (it->second.after > 0) {
        --it->second.after;
        return 0;
    }
    int status = it->second.status;
    planned_.erase(it);
    return status;
}

bool SetErrorPlan::TakeQuietRestart() {
    if (quietRestarts_ <= 0) return false;
    --quietRestarts_;
    return true;
}

bool SetErrorPlan::TakeAnswerLost() {
    bool lost = answerLost_;
    answerLost_ = false;
    return lost;
}

}  // namespace sim
