#pragma once
// Which file a request may reach. The device is given bare file names, so a
// request names a plain file directly inside the served folder and nothing
// else: no absolute name, no folder part ('/' or '\'), no drive letter, no
// "." or "..", no empty name, and no symbolic link that leads out of the
// folder. An empty root (a server not yet pointed at a folder) serves nothing.

#include <string>

namespace tftp {

// True for a name that can only mean an entry directly inside a folder.
bool IsBareFileName(const std::string& name);

// The path of an existing regular file to send, or empty when the request is
// refused.
std::string ReadablePath(const std::string& root, const std::string& name);

// The path of the file to receive: the name inside the folder, where either
// nothing exists yet or a regular file that may be replaced. Empty when the
// request is refused.
std::string WritablePath(const std::string& root, const std::string& name);

}  // namespace tftp
