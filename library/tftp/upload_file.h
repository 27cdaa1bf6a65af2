#pragma once
// The file a write request receives. The data go into a temporary file beside
// the target, which replaces the target only when the whole file has arrived
// (Commit). Until then an existing file stays untouched; on any failure, and
// when the object goes away uncommitted, the temporary file is removed.

#include <cstddef>
#include <string>

#include "platform/os/unique_fd.h"

namespace tftp {

class UploadFile {
public:
    UploadFile() = default;
    ~UploadFile() { Abort(); }
    UploadFile(const UploadFile&) = delete;
    UploadFile& operator=(const UploadFile&) = delete;

    // Creates the temporary file for target (a path inside an existing
    // folder); false when it cannot be created.
    bool Open(const std::string& target);
    // Appends the bytes; false when they cannot all be written.
    bool Write(const char* data, size_t size);
    // Closes the temporary file and moves it over the target.
    bool Commit();
    // Closes and removes the temporary file; harmless when there is none.
    void Abort();
    bool IsOpen() const { return fd_.Valid(); }

private:
    std::string target_;
    std::string temporary_;
    os::UniqueFd fd_;
};

}  // namespace tftp
