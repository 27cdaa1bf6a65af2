#pragma once
// A repeating timer. Its interval is given in milliseconds and passes through
// os::Scaled when the timer starts. It runs while enabled, with an interval
// above 0 (a new timer is enabled, interval 1000, so it starts at creation);
// it calls OnTimer, when set, through the exception boundary. Enabling it
// (also from its own handler) restarts the interval; disabling it in its
// handler stops further ticks. It fires inside nested loops (modal forms,
// message boxes, ProcessMessages) and never during a blocking call. Missed
// ticks are not queued up. A timer may have no owner. A tick may come up to a
// twentieth of the interval early or late, on the process's timer grid
// (platform/os/timer_grid.h), so that the process's timers wake it together.

#include <memory>

#include "platform/ui/component.h"
#include "platform/ui/events.h"

class QTimer;

namespace ui {

class Timer : public Component {
public:
    explicit Timer(Component* owner);
    ~Timer() override;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    NotifyEvent OnTimer;

private:
    void Restart();
    void Arm();
    void Tick();
    void NameChanged() override;

    std::unique_ptr<QTimer> timer_;
    int interval_ = 1000;
    bool enabled_ = true;
};

}  // namespace ui
