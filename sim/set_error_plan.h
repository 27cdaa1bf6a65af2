#pragma once
// Error statuses a test asked the agent to answer on the next SET that writes
// a given object (a fault of the device, not a check of the value), SETs a
// test asked to be lost: the device neither carries them out nor answers, as
// when the request never reached it, and restarts that go unanswered: the
// device carries out the SET and goes down before its answer leaves.

#include <map>

#include "sim/oid.h"

namespace sim {

class SetErrorPlan {
public:
    // What Take gives for a SET that is to be lost.
    static constexpr int kLost = -1;

    // The status for the SET of the object after `after` SETs of it passed.
    void Add(const Oid& oid, int status, int after = 0) { planned_[oid] = {status, after}; }

    // The next `count` SETs writing the object are lost (retries included).
    void Lose(const Oid& oid, int count);

    // The status planned for the object, once; 0 when none is planned, kLost
    // for a SET to be lost (its answer is then marked lost).
    int Take(const Oid& oid);

    // Whether the answer about to go out belongs to a lost SET; once.
    bool TakeAnswerLost();

    // The next `count` SETs that restart the device go unanswered (0: none).
    void QuietRestarts(int count) { quietRestarts_ = count; }
    // For the answer to a SET that restarts the device: whether it is to be
    // left unsent; counts one of the quiet restarts.
    bool TakeQuietRestart();

private:
    struct Planned {
        int status = 0;
        int after = 0;  // SETs of the object still let through first
    };

    std::map<Oid, Planned> planned_;
    std::map<Oid, int> lost_;
    bool answerLost_ = false;
    int quietRestarts_ = 0;
};

}  // namespace sim
