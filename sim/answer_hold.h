#pragma once
// Holds some of the agent's answers back: a SET that starts a scan of the air
// is answered when the scan is over, as the device does, while the agent goes
// on answering other requests. It wraps the send function of the agent's
// transport; after each request the agent has handled, it asks whether the
// answer about to go out is to wait, and for how long.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "sim/netsnmp.h"

namespace sim {

class AnswerHold {
public:
    static constexpr int kNever = -2;

    AnswerHold() = default;
    AnswerHold(const AnswerHold&) = delete;
    AnswerHold& operator=(const AnswerHold&) = delete;
    ~AnswerHold();

    // Takes over the agent transport's send function; one per process.
    // `holdFor` tells, for the answer being sent, how many milliseconds it
    // waits (-1: none; it is sent at once; kNever: it is never sent).
    bool Install(std::function<int()> holdFor);

    // Milliseconds until the next held answer is due, or -1 when none is held.
    int64_t MillisecondsToNextRelease() const;

    // Sends every held answer that is due.
    void ReleaseDue();

private:
    struct Held {
        std::string packet;
        std::string opaque;  // a copy of the destination the library gave
        uint64_t due;
    };

    static int Send(netsnmp_transport* transport, const void* buffer, int size, void** opaque,
                    int* opaqueLength);

    netsnmp_transport* transport_ = nullptr;
    int (*originalSend_)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;
    std::function<int()> holdFor_;
    std::deque<Held> held_;
};

}  // namespace sim
