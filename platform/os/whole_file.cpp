#include "platform/os/whole_file.h"

#include "platform/os/unique_fd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace os {

namespace {

int WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(written);
    }
    return 0;
}

// Mode bits of the file at path, or 0600 when there is none yet.
mode_t ModeToKeep(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
    return 0600;
}

int WriteTemporary(int fd, const std::string& text, mode_t mode) {
    int error = WriteAll(fd, text);
    if (error == 0 && ::fchmod(fd, mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    return error;
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& text) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) return errno;
    std::string content;
    char buffer[4096];
    for (;;) {
        ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<size_t>(got));
    }
    text.swap(content);
    return 0;
}

int ReplaceWholeFile(const std::string& path, const std::string& text) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    UniqueFd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (!fd.Valid()) return errno;
    int error = WriteTemporary(fd.Get(), text, ModeToKeep(path));
    fd.Reset();
    if (error == 0 && ::rename(name.data(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(name.data());
    return error;
}

}  // namespace os
