#include "shell/startup_parameters.h"

#include <sys/stat.h>

#include <cstdint>

#include "library/common/text.h"
#include "shell/device_settings_file.h"

namespace {

using ApplySwitch = void (*)(const std::string& value, StartupSettings& settings);

struct Switch {
    const char* text;
    ApplySwitch apply;
};

const Switch kEverySwitches[] = {
    {"/R", [](const std::string& v, StartupSettings& s) { s.security.readCommunity = v; }},
    {"/W", [](const std::string& v, StartupSettings& s) { s.security.writeCommunity = v; }},
    {"/v", [](const std::string& v, StartupSettings& s) {
         s.security.version = static_cast<uint8_t>(StrToInt(v));
     }},
};

const Switch kVersion3Switches[] = {
    {"/t", [](const std::string& v, StartupSettings& s) { s.device.port = static_cast<uint16_t>(StrToInt(v)); }},
    {"/c", [](const std::string& v, StartupSettings& s) { s.scope.contextName = v; }},
    {"/d", [](const std::string& v, StartupSettings& s) { s.scope.contextEngineID = v; }},
    {"/m", [](const std::string& v, StartupSettings& s) { s.security.securityModel = StrToInt(v); }},
    {"/l", [](const std::string& v, StartupSettings& s) { s.security.securityLevel = CountedFromZero(v); }},
    {"/n", [](const std::string& v, StartupSettings& s) { s.security.securityName = v; }},
    {"/A", [](const std::string& v, StartupSettings& s) { s.security.authPassword = v; }},
    {"/P", [](const std::string& v, StartupSettings& s) { s.security.privPassword = v; }},
    {"/a", [](const std::string& v, StartupSettings& s) { s.security.authProtocol = CountedFromZero(v); }},
    {"/p", [](const std::string& v, StartupSettings& s) { s.security.privProtocol = CountedFromZero(v); }},
};

// Applies the first switch of the list that parameter holds; false when it
// holds none.
template <size_t N>
bool ApplyFirstSwitch(const Switch (&switches)[N], const std::string& parameter,
                      StartupSettings& settings) {
    for (const Switch& candidate : switches) {
        size_t at = parameter.find(candidate.text);
        if (at == std::string::npos) continue;
        candidate.apply(parameter.substr(at + 2), settings);
        return true;
    }
    return false;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

class ParameterLoop {
public:
    ParameterLoop(const std::string& settingsFolder, StartupSettings& settings)
        : settingsFolder_(settingsFolder), settings_(settings) {}

    void Apply(const std::string& parameter) {
        size_t address = parameter.find("/I");
        if (address != std::string::npos) {
            settings_.device.address = settings_.deviceAddress = parameter.substr(address + 2);
            return;
        }
        ReadSettingsFile();
        if (ApplyFirstSwitch(kEverySwitches, parameter, settings_)) return;
        if (Version3()) ApplyFirstSwitch(kVersion3Switches, parameter, settings_);
    }

private:
    void ReadSettingsFile() {
        std::string path = DeviceSettingsFilePath(settingsFolder_, settings_.deviceAddress);
        if (FileExists(path)) fileVersion_ = ReadDeviceSettingsFile(path, settings_);
    }

    bool Version3() const { return fileVersion_ == 3 || settings_.security.version == 3; }

    const std::string& settingsFolder_;
    StartupSettings& settings_;
    int fileVersion_ = -1;  // none read yet
};

}  // namespace

void ApplyStartupParameters(const std::vector<std::string>& parameters,
                            const std::string& settingsFolder, StartupSettings& settings) {
    ParameterLoop loop(settingsFolder, settings);
    for (const std::string& parameter : parameters) loop.Apply(parameter);
}

std::string ApplyStartupParametersToGlobals(const std::vector<std::string>& parameters,
                                            const std::string& settingsFolder) {
    StartupSettings settings = GlobalStartupSettings();
    ApplyStartupParameters(parameters, settingsFolder, settings);
    PutGlobalStartupSettings(settings);
    return settings.deviceAddress;
}
