#include "library/tftp/upload_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace tftp {

namespace {

// Tries so many names before giving up (only when others exist already).
constexpr int kNameAttempts = 16;

// A name beside the target that no other upload of this process uses.
std::string TemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".tftp-upload-%ld-%u.part", static_cast<long>(::getpid()),
                  counter++);
    return folder + suffix;
}

}  // namespace

bool UploadFile::Open(const std::string& target) {
    Abort();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = TemporaryName(target);
        // The permissions follow the umask, as for any file the user creates.
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_.Reset(fd);
            target_ = target;
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool UploadFile::Write(const char* data, size_t size) {
    size_t written = 0;
    while (written < size) {
        ssize_t count = ::write(fd_.Get(), data + written, size - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        written += static_cast<size_t>(count);
    }
    return true;
}

bool UploadFile::Commit() {
    if (!fd_.Valid()) return false;
    fd_.Reset();
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Abort();
        return false;
    }
    temporary_.clear();
    return true;
}

void UploadFile::Abort() {
    fd_.Reset();
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

}  // namespace tftp
