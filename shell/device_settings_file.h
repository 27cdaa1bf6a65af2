#pragma once
// The per-device settings file the hosting suite writes: "<address>.cfg" in
// the settings folder, INI section "Program Information". Communities never
// come from it.

#include <string>

#include "shell/startup_settings.h"

// Levels and protocols count from 0 in the settings file and the switches
// and from 1 in the records: the whole number plus 1, held at the largest
// int. A text that is not a whole number raises os::ConvertError.
int CountedFromZero(const std::string& text);

// The settings file of a device address: the folder, a '/' unless the folder
// is empty or ends in one, the address and ".cfg".
std::string DeviceSettingsFilePath(const std::string& settingsFolder, const std::string& address);

// Reads the eleven keys, in this order, into settings (a missing key reads
// as ""):
//   AgentPort        whole number, kept in 16 bits
//   Version          whole number, kept in 8 bits
//   ContextName      only when not empty
//   ContextEngineID  always (empty clears it)
//   SecurityModel    whole number
//   SecurityLevel    unless "0": CountedFromZero
//   SecurityName     always
//   AuthProtocol     unless "0": CountedFromZero
//   PrivProtocol     unless "0": CountedFromZero
//   AuthPassword     only when not empty
//   PrivPassword     only when not empty
// Returns the Version value read. A value that must be a whole number and is
// not (also a missing one) raises os::ConvertError naming the file, the key
// and the whole number expected ("The settings file <path>: AgentPort
// (section [Program Information]) is missing or empty; a whole number is
// expected."); the keys before it stay applied.
int ReadDeviceSettingsFile(const std::string& path, StartupSettings& settings);
