#include "shell/startup_settings.h"

StartupSettings GlobalStartupSettings() {
    return StartupSettings{GlobalSNMPDevice, GlobalSNMPScope, GlobalSNMPSecurity, ""};
}

void PutGlobalStartupSettings(const StartupSettings& settings) {
    GlobalSNMPDevice = settings.device;
    GlobalSNMPScope = settings.scope;
    GlobalSNMPSecurity = settings.security;
}
