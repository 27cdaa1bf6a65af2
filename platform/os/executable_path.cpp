#include "platform/os/executable_path.h"

#include <unistd.h>

#include <vector>

namespace os {

std::string ExecutablePath() {
    // readlink() does not say whether it had to cut the path: grow the buffer
    // until the path fits with room to spare.
    for (size_t size = 256; size <= 65536; size *= 2) {
        std::vector<char> buffer(size);
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), size);
        if (length < 0) return "";
        if (static_cast<size_t>(length) < size) return std::string(buffer.data(), static_cast<size_t>(length));
    }
    return "";
}

std::string ExecutableFolder() {
    std::string path = ExecutablePath();
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ExecutableName() {
    std::string path = ExecutablePath();
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(slash + 1);
}

}  // namespace os
