#include "platform/os/environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace os {

std::string EnvironmentOr(const std::string& name, const std::string& fallback) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr || *value == '\0') return fallback;
    return value;
}

namespace {

std::string HomeFromPasswordDatabase() {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr) {
        return "";
    }
    return found->pw_dir;
}

}  // namespace

std::string HomeFolder() {
    std::string home = EnvironmentOr("HOME", "");
    return home.empty() ? HomeFromPasswordDatabase() : home;
}

}  // namespace os
