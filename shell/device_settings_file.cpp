#include "shell/device_settings_file.h"

#include <climits>
#include <cstdint>

#include "library/common/ini.h"
#include "library/common/path.h"
#include "library/common/text.h"

namespace {

const char kSection[] = "Program Information";

// "0" leaves the record as it is.
void ReadCountedFromZero(const std::string& text, int32_t& target) {
    if (text != "0") target = CountedFromZero(text);
}

void ReadUnlessEmpty(const std::string& text, std::string& target) {
    if (!text.empty()) target = text;
}

}  // namespace

int CountedFromZero(const std::string& text) {
    int value = StrToInt(text);
    return value < INT_MAX ? value + 1 : INT_MAX;
}

std::string DeviceSettingsFilePath(const std::string& settingsFolder, const std::string& address) {
    return JoinPath(settingsFolder, address + ".cfg");
}

int ReadDeviceSettingsFile(const std::string& path, StartupSettings& settings) {
    VkIni ini(path);
    auto read = [&ini](const char* key) { return ini.ReadString(kSection, key, ""); };
    VkSNMPSecurity& security = settings.security;

    settings.device.port = static_cast<uint16_t>(StrToInt(read("AgentPort")));
    int version = StrToInt(read("Version"));
    security.version = static_cast<uint8_t>(version);
    ReadUnlessEmpty(read("ContextName"), settings.scope.contextName);
    settings.scope.contextEngineID = read("ContextEngineID");
    security.securityModel = StrToInt(read("SecurityModel"));
    ReadCountedFromZero(read("SecurityLevel"), security.securityLevel);
    security.securityName = read("SecurityName");
    ReadCountedFromZero(read("AuthProtocol"), security.authProtocol);
    ReadCountedFromZero(read("PrivProtocol"), security.privProtocol);
    ReadUnlessEmpty(read("AuthPassword"), security.authPassword);
    ReadUnlessEmpty(read("PrivPassword"), security.privPassword);
    return version;
}
