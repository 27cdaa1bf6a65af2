#include "platform/os/trace_sink.h"

#include "platform/os/unique_fd.h"
#include "platform/os/user_folders.h"

#include <sys/socket.h>
#include <sys/un.h>

#include <cstring>

namespace os {

std::string TraceSocketPath() { return RuntimeFolder() + "/vap7720-trace.sock"; }

bool SendTrace(const std::string& text) {
    std::string path = TraceSocketPath();
    sockaddr_un listener{};
    listener.sun_family = AF_UNIX;
    if (path.size() >= sizeof listener.sun_path) return false;  // cannot be addressed
    std::memcpy(listener.sun_path, path.c_str(), path.size() + 1);
    UniqueFd fd(::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.Valid()) return false;
    ssize_t sent = ::sendto(fd.Get(), text.data(), text.size(), MSG_NOSIGNAL,
                            reinterpret_cast<const sockaddr*>(&listener), sizeof listener);
    return sent == static_cast<ssize_t>(text.size());
}

}  // namespace os
