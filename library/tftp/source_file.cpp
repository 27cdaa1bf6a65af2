#include "library/tftp/source_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tftp {

bool SourceFile::Open(const std::string& path) {
    fd_.Reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (fd_.Valid() && ::fstat(fd_.Get(), &info) == 0 && S_ISREG(info.st_mode)) return true;
    fd_.Reset();
    return false;
}

long SourceFile::Read(char* buffer, size_t size) {
    size_t got = 0;
    while (got < size) {
        ssize_t count = ::read(fd_.Get(), buffer + got, size - got);
        if (count == 0) break;
        if (count < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        got += static_cast<size_t>(count);
    }
    return static_cast<long>(got);
}

}  // namespace tftp
