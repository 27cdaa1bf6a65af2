#pragma once
// Stands between the agent's UDP port and the agent: drops requests (the next
// N, optionally after letting M more through first, or all while the device
// is down) and holds them back for a delay, so that
// the agent answers later. It wraps the receive function of the agent's
// transport; a held request is handed to the agent when it is due.

#include <cstdint>
#include <deque>
#include <string>

#include "sim/netsnmp.h"

namespace sim {

class TrafficGate {
public:
    TrafficGate() = default;
    TrafficGate(const TrafficGate&) = delete;
    TrafficGate& operator=(const TrafficGate&) = delete;
    ~TrafficGate();

    // Takes over the agent transport's receive function; one gate per process.
    bool Install();

    void DropNext(int count, int after = 0) {
        toDrop_ = count;
        toPass_ = after;
    }
    void SetDelay(int milliseconds) { delayMs_ = milliseconds; }
    void SetDown(bool down);
    bool Down() const { return down_; }

    // Milliseconds until the next held request is due, or -1 when none is held.
    int64_t MillisecondsToNextRelease() const;

    // Hands every held request that is due to the agent, which answers it.
    void ReleaseDue();

private:
    struct Held {
        std::string packet;
        void* opaque;
        int opaqueLength;
        uint64_t due;
    };

    static int Receive(netsnmp_transport* transport, void* buffer, int size, void** opaque,
                       int* opaqueLength);
    int Filter(void* buffer, int length, void** opaque, int* opaqueLength);
    int HandBack(void* buffer, int size, void** opaque, int* opaqueLength);
    void DiscardHeld();

    netsnmp_transport* transport_ = nullptr;
    int (*originalReceive_)(netsnmp_transport*, void*, int, void**, int*) = nullptr;
    int toDrop_ = 0;
    int toPass_ = 0;  // requests let through before the drops begin
    int delayMs_ = 0;
    bool down_ = false;
    bool releasing_ = false;
    std::deque<Held> held_;
};

}  // namespace sim
