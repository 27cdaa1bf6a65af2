#pragma once
// The application's message loop offered to the layers below as an
// os::EventLoop: timers are ui::Timer (scaled, on the process's timer grid,
// firing inside nested loops), read watches are ui::SocketNotifier, guarded
// code runs through the exception boundary (handler_call.h), and waiting is
// Application::WaitForMessages. The application object installs one while it
// lives.

#include "platform/os/event_loop.h"

namespace ui {

class Application;

class MessageLoop : public os::EventLoop {
public:
    explicit MessageLoop(Application& application) : application_(application) {}

    std::unique_ptr<Timer> NewTimer(std::function<void()> onTick) override;
    std::unique_ptr<Watch> WatchReadable(int descriptor, std::function<void()> onReadable) override;
    void Guarded(const std::function<void()>& code) override;
    void WaitForEvents(int milliseconds) override;

private:
    Application& application_;
};

}  // namespace ui
