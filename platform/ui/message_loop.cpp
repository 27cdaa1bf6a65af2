#include "platform/ui/message_loop.h"

#include <utility>

#include "platform/ui/application.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/socket_notifier.h"
#include "platform/ui/timer.h"

namespace ui {

namespace {

class LoopTimer : public os::EventLoop::Timer {
public:
    explicit LoopTimer(std::function<void()> onTick) : timer_(nullptr) {
        timer_.SetEnabled(false);
        timer_.OnTimer = [onTick = std::move(onTick)](Component*) { onTick(); };
    }
    void Start(int milliseconds) override {
        timer_.SetInterval(milliseconds);
        timer_.SetEnabled(true);
    }
    void Stop() override { timer_.SetEnabled(false); }

private:
    ui::Timer timer_;
};

class LoopWatch : public os::EventLoop::Watch {
public:
    LoopWatch(int descriptor, std::function<void()> onReadable) : notifier_(nullptr, descriptor) {
        notifier_.OnReadable = [onReadable = std::move(onReadable)](Component*) { onReadable(); };
    }

private:
    SocketNotifier notifier_;
};

}  // namespace

std::unique_ptr<os::EventLoop::Timer> MessageLoop::NewTimer(std::function<void()> onTick) {
    return std::make_unique<LoopTimer>(std::move(onTick));
}

std::unique_ptr<os::EventLoop::Watch> MessageLoop::WatchReadable(int descriptor,
                                                                 std::function<void()> onReadable) {
    return std::make_unique<LoopWatch>(descriptor, std::move(onReadable));
}

void MessageLoop::Guarded(const std::function<void()>& code) { CallHandler(code); }

void MessageLoop::WaitForEvents(int milliseconds) { application_.WaitForMessages(milliseconds); }

}  // namespace ui
