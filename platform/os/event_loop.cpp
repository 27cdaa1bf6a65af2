#include "platform/os/event_loop.h"

namespace os {

namespace {

EventLoop*& Installed() {
    static EventLoop* loop = nullptr;
    return loop;
}

}  // namespace

EventLoop* CurrentEventLoop() { return Installed(); }

void SetEventLoop(EventLoop* loop) { Installed() = loop; }

}  // namespace os
