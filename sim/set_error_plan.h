#pragma once
// Error statuses a test asked the agent to answer on the next SET that writes
// a given object (a fault of the device, not a check of the value), and SETs
// a test asked to be lost: the device neither carries them out nor answers,
// as when the request never reached it.

#include <map>

#include "sim/oid.h"

namespace sim {

class SetErrorPlan {
public:
    // What Take gives for a SET that is to be lost.
    static constexpr int kLost = -1;

    void Add(const Oid& oid, int status) { planned_[oid] = status; }

    // The next `count` SETs writing the object are lost (retries included).
    void Lose(const Oid& oid, int count);

    // The status planned for the object, once; 0 when none is planned, kLost
    // for a SET to be lost (its answer is then marked lost).
    int Take(const Oid& oid);

    // Whether the answer about to go out belongs to a lost SET; once.
    bool TakeAnswerLost();

private:
    std::map<Oid, int> planned_;
    std::map<Oid, int> lost_;
    bool answerLost_ = false;
};

}  // namespace sim
