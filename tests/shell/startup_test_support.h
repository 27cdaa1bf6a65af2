#pragma once
// Shared by the start-up tests: the library's default records as start-up
// finds them, and a per-device settings file written from key lines.

#include <string>
#include <vector>

#include "shell/startup_settings.h"

namespace shell_test {

// The records after the session is made (127.0.0.1:161, SNMPv1,
// "quorny"/"vambril", model, level and protocols 1), no device address.
StartupSettings LibraryDefaults();

// Writes "[Program Information]" and the lines to path.
void WriteSettingsFile(const std::string& path, const std::vector<std::string>& lines);

}  // namespace shell_test
