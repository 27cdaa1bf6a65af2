#include "platform/ui/timer.h"

#include <QTimer>

#include "platform/os/clock.h"
#include "platform/os/timer_grid.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

// Each tick is armed on its own, at the process's grid instant nearest to one
// interval from now (see platform/os/timer_grid.h): Qt's own repetition would
// keep the instants of Qt's clock-wide grid.
Timer::Timer(Component* owner) : Component(owner), timer_(std::make_unique<QTimer>()) {
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Tick(); });
    Restart();
}

Timer::~Timer() {
    timer_->stop();
    timer_->disconnect();
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void Timer::Restart() {
    if (enabled_ && interval_ > 0) {
        Arm();
    } else {
        timer_->stop();
    }
}

void Timer::Arm() {
    uint64_t interval = static_cast<uint64_t>(os::Scaled(interval_));
    uint64_t now = os::TickCount();
    uint64_t at = os::GridInstant(os::ProcessGridOrigin(), now + interval, interval);
    timer_->start(static_cast<int>(at > now ? at - now : 0));
}

// The next tick is armed before the handler runs, so that the handler may
// still stop or restart the timer.
void Timer::Tick() {
    Arm();
    Notify(OnTimer, this);
}

void Timer::NameChanged() { timer_->setObjectName(ToQt(Name())); }

}  // namespace ui
