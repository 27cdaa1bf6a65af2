#pragma once
// A guard that lets only one running copy hold a given name, in place of a
// named mutex. The holder keeps an exclusive flock() on a lock file in
// RuntimeFolder(); the kernel releases it when the holder's process ends,
// however it ends, or when the InstanceLock is destroyed. The lock file itself
// stays behind (removing it would let a second copy lock a new file while a
// third still waits on the old one).
//
// Any byte may appear in the name: it is encoded into the file name so that
// it never reaches outside the folder (a '/' or ".." stays part of the name).
// Names compare exactly, case included. A second InstanceLock for the same
// name finds it taken even inside the same process.

#include "platform/os/unique_fd.h"

#include <string>

namespace os {

class InstanceLock {
public:
    enum class Status {
        Held,           // this object holds the name
        AlreadyExists,  // another holder has it
        Failed,         // the lock file could not be opened or locked; see Error()
    };

    explicit InstanceLock(const std::string& name);

    Status GetStatus() const { return status_; }
    // The errno behind Failed; 0 otherwise.
    int Error() const { return error_; }

private:
    UniqueFd fd_;
    Status status_ = Status::Failed;
    int error_ = 0;
};

// The lock file used for name: RuntimeFolder() + "/vap7720-<uid>-<name>.lock",
// the name percent-encoded (every byte but letters, digits, '-', '_' and '.').
// The user id keeps the users of a shared /tmp apart. A name too long for one
// file name is cut and followed by '~' and a hash of the whole name.
std::string InstanceLockPath(const std::string& name);

}  // namespace os
