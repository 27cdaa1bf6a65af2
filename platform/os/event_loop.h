#pragma once
// What code below the window layer needs of the program's event loop: timers,
// read readiness of a descriptor, an exception boundary for the callbacks it
// runs, and a bounded wait for events. The window layer implements it over
// its own message loop and installs it while the application object lives
// (platform/ui/message_loop.h), so that a library such as the TFTP server
// runs inside the program's loop without linking the window layer.
//
// Everything runs on the loop's thread. Callbacks run from the loop, also
// inside nested loops (modal windows, WaitForEvents), through the loop's
// exception boundary.

#include <functional>
#include <memory>

namespace os {

class EventLoop {
public:
    // A repeating timer; made stopped.
    class Timer {
    public:
        virtual ~Timer() = default;
        // Ticks every `milliseconds` (passed through Scaled), the first tick
        // one interval from now; starting a running timer restarts it.
        // Stopping it from its own tick prevents further ticks.
        virtual void Start(int milliseconds) = 0;
        virtual void Stop() = 0;
    };

    // Read readiness of one descriptor; the watch ends when it is destroyed.
    class Watch {
    public:
        virtual ~Watch() = default;
    };

    virtual ~EventLoop() = default;

    virtual std::unique_ptr<Timer> NewTimer(std::function<void()> onTick) = 0;
    // onReadable runs whenever data waits on the descriptor, level-triggered:
    // it must read (or drop) what waits, or it runs again at once. The
    // descriptor stays the caller's.
    virtual std::unique_ptr<Watch> WatchReadable(int descriptor, std::function<void()> onReadable) = 0;
    // Runs code that is not the library's own (a status callback): an
    // exception it throws is reported by the loop and goes no further.
    virtual void Guarded(const std::function<void()>& code) = 0;
    // Handles pending events, waiting at most `milliseconds` (not scaled) for
    // the first one.
    virtual void WaitForEvents(int milliseconds) = 0;
};

// The installed loop; null when none is.
EventLoop* CurrentEventLoop();
// Installs a loop (null: none). The caller keeps it alive while installed.
void SetEventLoop(EventLoop* loop);

}  // namespace os
