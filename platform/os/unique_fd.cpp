#include "platform/os/unique_fd.h"

#include <unistd.h>

namespace os {

UniqueFd::~UniqueFd() { Reset(); }

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        Reset(other.fd_);
        other.fd_ = -1;
    }
    return *this;
}

void UniqueFd::Reset(int fd) {
    // close() is not retried on EINTR: on Linux the descriptor is gone anyway.
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

}  // namespace os
