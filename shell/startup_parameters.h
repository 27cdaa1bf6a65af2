#pragma once
// The command-line parameters of the module, as the hosting suite passes
// them. A switch is two characters standing anywhere in a parameter
// (case-sensitive); its value is the rest of the parameter after them. Of one
// parameter only the first switch applies, looked for in this order:
//
//   /I  device address (and DeviceAddress)                  every parameter
//   /R  read community, /W  write community                 every parameter
//   /v  SNMP version (0 v1, 1 v2c, 3 v3), kept in 8 bits    every parameter
//   /t  agent port (16 bits), /c context name,              version 3 only
//   /d  context engine ID, /m security model,
//   /l  security level + 1, /n security name,
//   /A  auth password, /P privacy password,
//   /a  auth protocol + 1, /p privacy protocol + 1
//
// Before every parameter that is not an address, the device's settings file
// (settings folder + DeviceAddress + ".cfg") is read again when it exists, so
// a key of the file overrides a switch of an earlier parameter. "Version 3
// only" holds when the Version last read from the file was 3 or the version
// in force is 3.

#include <string>
#include <vector>

#include "shell/startup_settings.h"

// Applies the parameters, first to last, to settings. A whole-number value
// that is not a number (switch or settings file) raises os::ConvertError and
// ends the loop there.
void ApplyStartupParameters(const std::vector<std::string>& parameters,
                            const std::string& settingsFolder, StartupSettings& settings);

// The same on the library's global records; returns the device address.
// On os::ConvertError the global records stay as they were.
std::string ApplyStartupParametersToGlobals(const std::vector<std::string>& parameters,
                                            const std::string& settingsFolder);
