#include "platform/ui/timer.h"

#include <QTimer>

#include "platform/os/clock.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

Timer::Timer(Component* owner) : Component(owner), timer_(std::make_unique<QTimer>()) {
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
        timer_->start(os::Scaled(interval_));
    } else {
        timer_->stop();
    }
}

void Timer::Tick() {
    Notify(OnTimer, this);
}

void Timer::NameChanged() { timer_->setObjectName(ToQt(Name())); }

}  // namespace ui
