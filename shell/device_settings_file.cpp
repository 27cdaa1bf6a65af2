#include "shell/device_settings_file.h"

#include <climits>
#include <cstdint>

#include "library/common/ini.h"
#include "library/common/path.h"
#include "library/common/text.h"
#include "platform/os/exception.h"

namespace {

const char kSection[] = "Program Information";

// One key of one file, for the messages that name it.
struct SettingsKey {
    const std::string& path;
    const char* name;
};

[[noreturn]] void RaiseNotAWholeNumber(const SettingsKey& key, const std::string& text) {
    const std::string found = text.empty() ? "is missing or empty" : "is '" + text + "'";
    throw os::ConvertError("The settings file " + key.path + ": " + key.name + " (section [" + kSection + "]) " +
                           found + "; a whole number is expected.");
}

int WholeNumber(const SettingsKey& key, const std::string& text) {
    try {
        return StrToInt(text);
    } catch (const os::ConvertError&) {
        RaiseNotAWholeNumber(key, text);
    }
}

// "0" leaves the record as it is.
void ReadCountedFromZero(const SettingsKey& key, const std::string& text, int32_t& target) {
    if (text == "0") return;
    try {
        target = CountedFromZero(text);
    } catch (const os::ConvertError&) {
        RaiseNotAWholeNumber(key, text);
    }
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

    auto number = [&path, &read](const char* key) { return WholeNumber({path, key}, read(key)); };
    auto counted = [&path, &read](const char* key, int32_t& target) {
        ReadCountedFromZero({path, key}, read(key), target);
    };

    settings.device.port = static_cast<uint16_t>(number("AgentPort"));
    int version = number("Version");
    security.version = static_cast<uint8_t>(version);
    ReadUnlessEmpty(read("ContextName"), settings.scope.contextName);
    settings.scope.contextEngineID = read("ContextEngineID");
    security.securityModel = number("SecurityModel");
    counted("SecurityLevel", security.securityLevel);
    security.securityName = read("SecurityName");
    counted("AuthProtocol", security.authProtocol);
    counted("PrivProtocol", security.privProtocol);
    ReadUnlessEmpty(read("AuthPassword"), security.authPassword);
    ReadUnlessEmpty(read("PrivPassword"), security.privPassword);
    return version;
}
