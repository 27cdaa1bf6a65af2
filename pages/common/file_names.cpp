#include "pages/common/file_names.h"

#include <sys/stat.h>

#include "platform/os/ascii_case.h"

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool HasSuffix(const std::string& name, const std::string& suffix) {
    if (name.size() < suffix.size()) return false;
    return os::EqualIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
