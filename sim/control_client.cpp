#include "sim/control_client.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sim {

namespace {

int ConnectUnix(const std::string& path) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) return -1;
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

// Reads lines until one is "ok" or starts with "error".
ControlReply ReadReply(int fd) {
    ControlReply reply;
    std::string pending;
    char buffer[4096];
    while (true) {
        size_t newline;
        while ((newline = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (line == "ok") {
                reply.ok = true;
                return reply;
            }
            if (line.rfind("error", 0) == 0) {
                reply.error = line.size() > 6 ? line.substr(6) : std::string();
                return reply;
            }
            reply.lines.push_back(line);
        }
        ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            reply.error = "control channel closed";
            return reply;
        }
        pending.append(buffer, static_cast<size_t>(n));
    }
}

}  // namespace

ControlReply SendControlCommand(const std::string& socketPath, const std::string& line) {
    int fd = ConnectUnix(socketPath);
    if (fd < 0) return ControlReply{false, {}, "cannot connect to the control channel"};
    std::string text = line + "\n";
    ControlReply reply;
    if (send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size()))
        reply = ReadReply(fd);
    else
        reply.error = "cannot send to the control channel";
    close(fd);
    return reply;
}

}  // namespace sim
