#include "platform/os/ipv4_interfaces.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/os/process_runner.h"

namespace {

constexpr int kIpTimeoutMilliseconds = 10000;

using Command = std::vector<std::string>;

// Runs `ip` with the arguments; true when it ran and succeeded.
bool RunIp(const Command& arguments) {
    os::ProcessResult result = os::RunProcess("ip", arguments, kIpTimeoutMilliseconds);
    return result.outcome == os::ProcessResult::Outcome::Exited && result.exitCode == 0;
}

// Interfaces of a network namespace of the test's own: a loopback with twelve
// more addresses, a veth pair with one end up (with a broadcast address) and
// one down (without), and a point-to-point tun link.
std::vector<Command> NamespaceSetup() {
    std::vector<Command> setup = {
        {"link", "set", "lo", "up"},
        {"link", "add", "v0", "type", "veth", "peer", "name", "v1"},
        {"addr", "add", "192.0.2.1/24", "brd", "+", "dev", "v0"},
        {"link", "set", "v0", "up"},
        {"addr", "add", "198.51.100.7/25", "dev", "v1"},
        {"tuntap", "add", "dev", "t0", "mode", "tun"},
        {"addr", "add", "10.8.0.1", "peer", "10.8.0.2/32", "dev", "t0"},
        {"link", "set", "t0", "up"},
    };
    for (int i = 1; i <= 12; ++i)
        setup.push_back({"addr", "add", "10.9.0." + std::to_string(i) + "/24", "dev", "lo"});
    return setup;
}

std::string Flags(const os::Ipv4Interface& entry) {
    std::string flags;
    flags += entry.up ? 'U' : '-';
    flags += entry.broadcast ? 'B' : '-';
    flags += entry.loopback ? 'L' : '-';
    flags += entry.pointToPoint ? 'P' : '-';
    flags += entry.multicast ? 'M' : '-';
    return flags;
}

// One record as a line: name, address, netmask, broadcast address ("-" when
// empty), flags.
std::string Describe(const os::Ipv4Interface& entry) {
    std::string broadcast = entry.broadcastAddress.empty() ? "-" : entry.broadcastAddress;
    return entry.name + " " + entry.address + " " + entry.netmask + " " + broadcast + " " +
           Flags(entry);
}

void WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote <= 0) return;
        done += static_cast<size_t>(wrote);
    }
}

// In a child process: enters a new network namespace, builds the interfaces
// and writes one described record per line to `fd`, or "SKIP <reason>".
[[noreturn]] void ListInOwnNamespace(int fd) {
    if (unshare(CLONE_NEWNET) != 0) {
        WriteAll(fd, "SKIP cannot create a network namespace (needs root)\n");
        _exit(0);
    }
    for (const Command& command : NamespaceSetup()) {
        if (!RunIp(command)) {
            std::string line = "ip ";
            for (const std::string& word : command) line += word + " ";
            WriteAll(fd, "SKIP namespace set-up failed: " + line + "\n");
            _exit(0);
        }
    }
    // IPv6 addresses must not appear; the kernel may have IPv6 switched off.
    RunIp({"-6", "addr", "add", "2001:db8::1/64", "dev", "v0"});
    std::vector<os::Ipv4Interface> list;
    if (!os::ListIpv4Interfaces(list)) WriteAll(fd, "FAILED\n");
    for (const os::Ipv4Interface& entry : list) WriteAll(fd, Describe(entry) + "\n");
    _exit(0);
}

std::vector<std::string> ListedInOwnNamespace() {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return {"FAILED pipe"};
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        ListInOwnNamespace(pipeEnds[1]);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) text.append(buffer, got);
    close(pipeEnds[0]);
    if (child > 0) waitpid(child, nullptr, 0);

    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(Ipv4Interfaces, ListsEveryIpv4AddressWithNetmaskBroadcastAndFlags) {
    if (os::RunProcess("ip", {"-V"}, kIpTimeoutMilliseconds).outcome ==
        os::ProcessResult::Outcome::NotStarted)
        GTEST_SKIP() << "the ip program is not installed";
    std::vector<std::string> listed = ListedInOwnNamespace();
    if (!listed.empty() && listed[0].rfind("SKIP ", 0) == 0) GTEST_SKIP() << listed[0].substr(5);

    std::vector<std::string> expected = {
        "lo 127.0.0.1 255.0.0.0 - U-L--",
        "v0 192.0.2.1 255.255.255.0 192.0.2.255 UB--M",
        "v1 198.51.100.7 255.255.255.128 - -B--M",
        "t0 10.8.0.1 255.255.255.255 - U--PM",
    };
    for (int i = 1; i <= 12; ++i)
        expected.push_back("lo 10.9.0." + std::to_string(i) + " 255.255.255.0 - U-L--");

    // Every address once, IPv6 left out, no limit on the count; the order is
    // the system's, so the comparison does not depend on it.
    std::sort(expected.begin(), expected.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, expected);
}
