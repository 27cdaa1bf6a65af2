#pragma once
// Runs another program (net-snmp's tools, TFTP servers) for a test, with an
// argument list and no shell, and collects what it printed.

#include <string>
#include <sys/types.h>
#include <vector>

#include "platform/os/udp_socket.h"

namespace support {

struct ToolResult {
    int exitCode = -1;   // -1 when it did not end normally (signal, time-out)
    std::string output;  // standard output and standard error together
};

// Waits at most `timeoutMs`, then kills the program.
ToolResult RunTool(const std::vector<std::string>& argv, int timeoutMs = 20000);

// Starts a program in the background with its output going to `logPath`;
// returns its process id or -1.
pid_t StartProgram(const std::vector<std::string>& argv, const std::string& logPath,
                   const std::vector<std::string>& environment = {});

// Stops a program started above: SIGTERM, then SIGKILL after `graceMs`.
// Returns its exit code, or -1 when it ended by a signal.
int StopProgram(pid_t pid, int graceMs = 5000);

// A UDP port on 127.0.0.1 that nothing used a moment ago.
using os::FreeUdpPort;

// A fresh private folder under the temporary folder; RemoveFolder deletes it.
std::string MakeTempFolder(const std::string& prefix);
void RemoveFolder(const std::string& path);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

}  // namespace support
