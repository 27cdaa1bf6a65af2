#include "platform/os/user_folders.h"

#include "platform/os/environment.h"

#include <sys/stat.h>

#include <cerrno>

namespace os {

namespace {

// ${name:-home/homeRelative}, where only an absolute value counts as set.
std::string XdgFolder(const std::string& name, const std::string& homeRelative) {
    std::string value = EnvironmentOr(name, "");
    if (!value.empty() && value.front() == '/') return value;
    return HomeFolder() + "/" + homeRelative;
}

int CreateOneFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) return 0;
    int error = errno;
    if (error != EEXIST) return error;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return 0;
    return ENOTDIR;
}

}  // namespace

std::string UserDataFolder() {
    std::string appData = EnvironmentOr("APPDATA", "");
    return appData.empty() ? XdgFolder("XDG_DATA_HOME", ".local/share") : appData;
}

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string RuntimeFolder() {
    std::string value = EnvironmentOr("XDG_RUNTIME_DIR", "");
    return !value.empty() && value.front() == '/' ? value : "/tmp";
}

int CreateFolderPath(const std::string& path) {
    if (path.empty()) return ENOENT;
    // Every prefix that ends just before a '/' names a folder to create, then
    // the whole path. Empty components ("a//b", a trailing '/') only repeat a
    // folder that is there by then.
    for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        int error = CreateOneFolder(path.substr(0, end));
        if (error != 0) return error;
        if (end == std::string::npos) return 0;
    }
}

}  // namespace os
