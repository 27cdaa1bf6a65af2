#include "platform/os/instance_lock.h"

#include "platform/os/user_folders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace os {

namespace {

// Encoded names longer than this are cut, so that the file name stays well
// below the usual 255-byte limit.
constexpr size_t kLongestEncodedName = 180;

bool KeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

std::string PercentEncode(const std::string& name) {
    std::string encoded;
    for (unsigned char c : name) {
        if (KeptAsIs(c)) {
            encoded += static_cast<char>(c);
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            encoded += escape;
        }
    }
    return encoded;
}

// 64-bit FNV-1a, to tell apart long names whose encoded start is the same.
std::string HashText(const std::string& name) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string FileNamePart(const std::string& name) {
    std::string encoded = PercentEncode(name);
    if (encoded.size() <= kLongestEncodedName) return encoded;
    return encoded.substr(0, kLongestEncodedName) + "~" + HashText(name);
}

}  // namespace

std::string InstanceLockPath(const std::string& name) {
    return RuntimeFolder() + "/vap7720-" + std::to_string(::getuid()) + "-" + FileNamePart(name) +
           ".lock";
}

InstanceLock::InstanceLock(const std::string& name) {
    // O_CLOEXEC: a program the module starts must not inherit the lock and
    // keep holding it after the module has ended. O_NOFOLLOW: a link planted
    // in a shared /tmp must not redirect the file.
    fd_.Reset(::open(InstanceLockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd_.Valid()) {
        error_ = errno;
        return;
    }
    while (::flock(fd_.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno == EWOULDBLOCK) {
            status_ = Status::AlreadyExists;
        } else {
            error_ = errno;
        }
        fd_.Reset();
        return;
    }
    status_ = Status::Held;
}

}  // namespace os
