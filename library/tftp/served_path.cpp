#include "library/tftp/served_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace tftp {

namespace {

// The canonical form of a path (links followed); empty when it does not exist.
std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return std::string();
    return resolved;
}

bool IsInside(const std::string& path, const std::string& folder) {
    std::string prefix = folder == "/" ? folder : folder + "/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool HasDriveLetter(const std::string& name) {
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':';
}

// The served folder in canonical form; empty when there is none.
std::string ServedFolder(const std::string& root, const std::string& name) {
    if (root.empty() || !IsBareFileName(name)) return std::string();
    return RealPath(root);
}

// An existing entry is acceptable when it leads to a regular file inside the
// folder.
bool IsServableEntry(const std::string& path, const std::string& folder) {
    return IsInside(RealPath(path), folder) && IsRegularFile(path);
}

}  // namespace

bool IsBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\") != std::string::npos) return false;
    return !HasDriveLetter(name);
}

std::string ReadablePath(const std::string& root, const std::string& name) {
    std::string folder = ServedFolder(root, name);
    if (folder.empty()) return std::string();
    std::string path = folder + "/" + name;
    return IsServableEntry(path, folder) ? path : std::string();
}

std::string WritablePath(const std::string& root, const std::string& name) {
    std::string folder = ServedFolder(root, name);
    if (folder.empty()) return std::string();
    std::string path = folder + "/" + name;
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? path : std::string();
    bool replaceable = IsServableEntry(path, folder) && ::access(path.c_str(), W_OK) == 0;
    return replaceable ? path : std::string();
}

}  // namespace tftp
