#pragma once
// Test networks of the test's own: a forked child enters a new network
// namespace (root only), builds interfaces with `ip` and reports back lines of
// text, so that the test process itself never leaves its namespace.

#include <functional>
#include <string>
#include <vector>

namespace support {

// Whether the `ip` program can be started at all.
bool IpProgramPresent();

// Runs `ip` with the arguments; true when it ran and succeeded.
bool RunIp(const std::vector<std::string>& arguments);

// Writes all of the text to a file descriptor (a pipe between processes).
void WriteAll(int fd, const std::string& text);

// Runs `body` in a forked child inside a new network namespace and returns
// the lines it produced. When no namespace can be made the only line is
// "SKIP <reason>"; a body may report a failed set-up the same way.
std::vector<std::string> LinesFromOwnNetworkNamespace(
    const std::function<std::vector<std::string>()>& body);

// The reason to skip, when the lines start with "SKIP "; empty otherwise.
std::string SkipReason(const std::vector<std::string>& lines);

}  // namespace support
