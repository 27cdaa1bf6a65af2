#pragma once
// The file a read request sends, opened for reading only. Only a regular
// file opens (a folder would open on Linux too).

#include <cstddef>
#include <string>

#include "platform/os/unique_fd.h"

namespace tftp {

class SourceFile {
public:
    bool Open(const std::string& path);
    // Up to size bytes from the current position; 0 at the end, -1 on a
    // failed read.
    long Read(char* buffer, size_t size);
    void Close() { fd_.Reset(); }
    bool IsOpen() const { return fd_.Valid(); }

private:
    os::UniqueFd fd_;
};

}  // namespace tftp
