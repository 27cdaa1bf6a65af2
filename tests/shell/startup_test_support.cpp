#include "tests/shell/startup_test_support.h"

#include "tests/platform/os/test_support.h"

namespace shell_test {

StartupSettings LibraryDefaults() {
    StartupSettings settings;
    settings.device = {"127.0.0.1", 161};
    settings.security.version = 0;
    settings.security.readCommunity = "quorny";
    settings.security.writeCommunity = "vambril";
    settings.security.securityModel = 1;
    settings.security.securityLevel = 1;
    settings.security.authProtocol = 1;
    settings.security.privProtocol = 1;
    return settings;
}

void WriteSettingsFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text = "[Program Information]\n";
    for (const std::string& line : lines) text += line + "\n";
    os_test::WriteFile(path, text);
}

}  // namespace shell_test
