#include "platform/ui/socket_notifier.h"

#include <QSocketNotifier>

#include "platform/ui/handler_call.h"

namespace ui {

SocketNotifier::SocketNotifier(Component* owner, int descriptor)
    : Component(owner),
      descriptor_(descriptor),
      notifier_(std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read)) {
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Notify(OnReadable, this); });
}

SocketNotifier::~SocketNotifier() {
    notifier_->setEnabled(false);
    notifier_->disconnect();
}

bool SocketNotifier::Enabled() const { return notifier_->isEnabled(); }
void SocketNotifier::SetEnabled(bool enabled) { notifier_->setEnabled(enabled); }

}  // namespace ui
