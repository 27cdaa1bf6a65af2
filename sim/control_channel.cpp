#include "sim/control_channel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr size_t kMaxLine = 64 * 1024;

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ControlChannel::~ControlChannel() {
    for (const Client& client : clients_) close(client.fd);
    if (listener_ >= 0) {
        close(listener_);
        unlink(path_.c_str());
    }
}

bool ControlChannel::Open(const std::string& path, std::string& error) {
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        error = "control socket path too long: " + path;
        return false;
    }
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    unlink(path.c_str());
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 8) != 0) {
        error = "cannot open control socket " + path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    return true;
}

void ControlChannel::AddTo(fd_set& fds, int& count) const {
    if (listener_ < 0) return;
    FD_SET(listener_, &fds);
    count = std::max(count, listener_ + 1);
    for (const Client& client : clients_) {
        FD_SET(client.fd, &fds);
        count = std::max(count, client.fd + 1);
    }
}

void ControlChannel::Process(const fd_set& fds, const Handler& handler) {
    if (listener_ < 0) return;
    for (auto it = clients_.begin(); it != clients_.end();) {
        if (FD_ISSET(it->fd, &fds) && !Serve(*it, handler)) {
            close(it->fd);
            it = clients_.erase(it);
        } else {
            ++it;
        }
    }
    if (FD_ISSET(listener_, &fds)) Accept();
}

void ControlChannel::Accept() {
    int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0) clients_.push_back(Client{fd, {}});
}

bool ControlChannel::Serve(Client& client, const Handler& handler) {
    char buffer[4096];
    ssize_t n = recv(client.fd, buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR) return true;
    if (n <= 0) return false;
    client.pending.append(buffer, static_cast<size_t>(n));
    size_t newline;
    while ((newline = client.pending.find('\n')) != std::string::npos) {
        std::string line = client.pending.substr(0, newline);
        client.pending.erase(0, newline + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!WriteAll(client.fd, handler(line))) return false;
    }
    return client.pending.size() <= kMaxLine;
}

}  // namespace sim
