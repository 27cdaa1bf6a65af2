#include "platform/os/trace_sink.h"

#include "platform/os/unique_fd.h"
#include "platform/os/user_folders.h"

#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>

namespace os {

namespace {

// One sending socket for the process, made at the first trace: the module
// traces every status line, and a socket made and closed for each trace
// cost two more system calls every time, also when nobody listens.
int SendingSocket() {
    static UniqueFd fd;
    if (!fd.Valid()) fd.Reset(::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    return fd.Get();
}

}  // namespace

std::string TraceSocketPath() { return RuntimeFolder() + "/vap7720-trace.sock"; }

bool SendTrace(const std::string& text) {
    std::string path = TraceSocketPath();
    sockaddr_un listener{};
    listener.sun_family = AF_UNIX;
    if (path.size() >= sizeof listener.sun_path) return false;  // cannot be addressed
    std::memcpy(listener.sun_path, path.c_str(), path.size() + 1);
    int fd = SendingSocket();
    if (fd < 0) return false;
    ssize_t sent = ::sendto(fd, text.data(), text.size(), MSG_NOSIGNAL,
                            reinterpret_cast<const sockaddr*>(&listener), sizeof listener);
    return sent == static_cast<ssize_t>(text.size());
}

}  // namespace os
