#include "sim/answer_hold.h"

#include <algorithm>

#include "platform/os/clock.h"
#include "sim/agent_session.h"

namespace sim {

namespace {

AnswerHold* g_hold = nullptr;

}  // namespace

AnswerHold::~AnswerHold() {
    if (transport_ != nullptr) transport_->f_send = originalSend_;
    if (g_hold == this) g_hold = nullptr;
}

bool AnswerHold::Install(std::function<int()> holdFor) {
    transport_ = AgentTransport();
    if (transport_ == nullptr || g_hold != nullptr) return false;
    g_hold = this;
    holdFor_ = std::move(holdFor);
    originalSend_ = transport_->f_send;
    transport_->f_send = &AnswerHold::Send;
    return true;
}

int64_t AnswerHold::MillisecondsToNextRelease() const {
    if (held_.empty()) return -1;
    uint64_t now = os::TickCount();
    uint64_t due = std::min_element(held_.begin(), held_.end(), [](const Held& a, const Held& b) {
                       return a.due < b.due;
                   })->due;
    return due > now ? static_cast<int64_t>(due - now) : 0;
}

void AnswerHold::ReleaseDue() {
    const uint64_t now = os::TickCount();
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->due > now) {
            ++it;
            continue;
        }
        Held held = std::move(*it);
        it = held_.erase(it);
        void* opaque = held.opaque.empty() ? nullptr : held.opaque.data();
        int opaqueLength = static_cast<int>(held.opaque.size());
        originalSend_(transport_, held.packet.data(), static_cast<int>(held.packet.size()), &opaque,
                      &opaqueLength);
    }
}

int AnswerHold::Send(netsnmp_transport* transport, const void* buffer, int size, void** opaque,
                     int* opaqueLength) {
    AnswerHold& hold = *g_hold;
    int wait = hold.holdFor_ ? hold.holdFor_() : -1;
    if (wait == kNever) return size;  // as if sent; the manager hears nothing
    if (wait <= 0 || size < 0) return hold.originalSend_(transport, buffer, size, opaque, opaqueLength);
    Held held{std::string(static_cast<const char*>(buffer), static_cast<size_t>(size)), {},
              os::TickCount() + static_cast<uint64_t>(wait)};
    if (opaque != nullptr && *opaque != nullptr && opaqueLength != nullptr && *opaqueLength > 0)
        held.opaque.assign(static_cast<const char*>(*opaque), static_cast<size_t>(*opaqueLength));
    hold.held_.push_back(std::move(held));
    return size;  // as if sent: the library frees its copy, ours goes out later
}

}  // namespace sim
