#include "sim/traffic_gate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/select.h>

#include "platform/os/clock.h"
#include "sim/agent_session.h"

namespace sim {

namespace {

TrafficGate* g_gate = nullptr;

// What the transport reports for a datagram the agent shall not see: a failed
// receive, which the library passes over for datagram transports.
int NothingReceived(void** opaque, int* opaqueLength) {
    *opaque = nullptr;
    *opaqueLength = 0;
    errno = EAGAIN;
    return -1;
}

}  // namespace

TrafficGate::~TrafficGate() {
    DiscardHeld();
    if (transport_ != nullptr) transport_->f_recv = originalReceive_;
    if (g_gate == this) g_gate = nullptr;
}

bool TrafficGate::Install() {
    transport_ = AgentTransport();
    if (transport_ == nullptr || g_gate != nullptr) return false;
    g_gate = this;
    originalReceive_ = transport_->f_recv;
    transport_->f_recv = &TrafficGate::Receive;
    return true;
}

void TrafficGate::SetDown(bool down) {
    down_ = down;
    if (down) DiscardHeld();
}

int64_t TrafficGate::MillisecondsToNextRelease() const {
    if (held_.empty()) return -1;
    uint64_t now = os::TickCount();
    return held_.front().due > now ? static_cast<int64_t>(held_.front().due - now) : 0;
}

void TrafficGate::ReleaseDue() {
    while (!held_.empty() && held_.front().due <= os::TickCount()) {
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(transport_->sock, &fds);
        size_t before = held_.size();
        releasing_ = true;
        snmp_read(&fds);
        releasing_ = false;
        if (held_.size() == before) DiscardHeld();  // the agent did not read; never spin
    }
}

int TrafficGate::Receive(netsnmp_transport* transport, void* buffer, int size, void** opaque,
                         int* opaqueLength) {
    TrafficGate& gate = *g_gate;
    if (gate.releasing_) return gate.HandBack(buffer, size, opaque, opaqueLength);
    int length = gate.originalReceive_(transport, buffer, size, opaque, opaqueLength);
    if (length < 0) return length;
    return gate.Filter(buffer, length, opaque, opaqueLength);
}

int TrafficGate::Filter(void* buffer, int length, void** opaque, int* opaqueLength) {
    if (!down_ && toDrop_ > 0 && toPass_ > 0) {
        --toPass_;
    } else if (down_ || toDrop_ > 0) {
        if (!down_) --toDrop_;
        free(*opaque);
        return NothingReceived(opaque, opaqueLength);
    }
    // Once one request waits, later ones wait behind it, so the order holds.
    if (delayMs_ > 0 || !held_.empty()) {
        held_.push_back(Held{std::string(static_cast<char*>(buffer), length), *opaque,
                             *opaqueLength, os::TickCount() + static_cast<uint64_t>(delayMs_)});
        return NothingReceived(opaque, opaqueLength);
    }
    return length;
}

int TrafficGate::HandBack(void* buffer, int size, void** opaque, int* opaqueLength) {
    if (held_.empty()) return NothingReceived(opaque, opaqueLength);
    Held held = held_.front();
    held_.pop_front();
    int length = static_cast<int>(held.packet.size());
    if (length > size) {
        free(held.opaque);
        return NothingReceived(opaque, opaqueLength);
    }
    std::memcpy(buffer, held.packet.data(), held.packet.size());
    *opaque = held.opaque;
    *opaqueLength = held.opaqueLength;
    return length;
}

void TrafficGate::DiscardHeld() {
    for (Held& held : held_) free(held.opaque);
    held_.clear();
}

}  // namespace sim
