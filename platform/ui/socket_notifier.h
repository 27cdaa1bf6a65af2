#pragma once
// Read readiness of a file descriptor (a UDP socket) from the message loop:
// OnReadable runs, through the exception boundary, whenever data is waiting.
//
// The notification is level-triggered: as long as a datagram waits, the
// handler runs again and again. A handler must therefore always read (and, if
// it does not want it, drop) the datagram, or disable the notifier; returning
// without reading spins the loop at full load. The descriptor stays the
// caller's: the notifier neither reads nor closes it. Only read readiness is
// offered (a UDP socket is always writable).

#include <memory>

#include "platform/ui/component.h"
#include "platform/ui/events.h"

class QSocketNotifier;

namespace ui {

class SocketNotifier : public Component {
public:
    // Enabled from the start.
    SocketNotifier(Component* owner, int descriptor);
    ~SocketNotifier() override;

    int Descriptor() const { return descriptor_; }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    NotifyEvent OnReadable;

private:
    int descriptor_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ui
