#include "library/tftp/loop_access.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace tftp {

os::EventLoop& Loop() {
    os::EventLoop* loop = os::CurrentEventLoop();
    if (loop == nullptr) throw std::logic_error("the TFTP server needs an event loop");
    return *loop;
}

void CallGuarded(const std::function<void()>& code) {
    if (os::EventLoop* loop = os::CurrentEventLoop()) {
        loop->Guarded(code);
        return;
    }
    try {
        code();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "Unknown exception\n");
    }
}

bool WaitForEvents(int milliseconds) {
    os::EventLoop* loop = os::CurrentEventLoop();
    if (loop == nullptr) return false;
    loop->WaitForEvents(milliseconds);
    return true;
}

}  // namespace tftp
