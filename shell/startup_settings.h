#pragma once
// What start-up reads from the command line and the per-device settings
// file: the library's device, scope and security records, and the main
// window's device address. Start-up fills a copy and puts it in force in the
// library's global records (GlobalSNMPDevice, GlobalSNMPScope,
// GlobalSNMPSecurity) in one step.

#include <string>

#include "library/snmp/global_session.h"

struct StartupSettings {
    VkSNMPDevice device;
    VkSNMPScope scope;
    VkSNMPSecurity security;
    // The address of the "/I" switch: the main window's DeviceAddress. Empty
    // until a "/I" parameter comes; names the settings file.
    std::string deviceAddress;
};

// The global records as they are now, with an empty device address.
StartupSettings GlobalStartupSettings();
// Puts settings' records in force as the global records.
void PutGlobalStartupSettings(const StartupSettings& settings);
