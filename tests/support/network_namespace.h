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

// Moves the calling thread (and the programs it starts, and the sockets it
// opens from then on) into a new network namespace with its loopback up and
// a veth pair carrying the two given /24 addresses. The destructor returns
// the thread to the namespace it came from; the new one disappears with its
// last socket, so nothing is left behind on any way out. Root only: when the
// namespace cannot be made, SkipReason() says why and nothing changed.
class ThreadNetworkNamespace {
public:
    ThreadNetworkNamespace(const std::string& firstAddress, const std::string& secondAddress);
    ~ThreadNetworkNamespace();
    ThreadNetworkNamespace(const ThreadNetworkNamespace&) = delete;
    ThreadNetworkNamespace& operator=(const ThreadNetworkNamespace&) = delete;

    const std::string& SkipReason() const { return skipReason_; }

private:
    int original_ = -1;
    std::string skipReason_;
};

}  // namespace support
