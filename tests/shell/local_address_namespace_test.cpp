// The discovery on real interfaces: a network namespace of the test's own
// with a veth pair, the PC's end holding 10.77.0.1/24 and the device's end,
// in a second namespace, 10.77.0.2/24. Needs root; skipped otherwise.

#include <fcntl.h>
#include <sched.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "shell/local_address_discovery.h"
#include "tests/support/network_namespace.h"
#include "tests/support/temp_folder.h"

namespace {

using Command = std::vector<std::string>;
using support::RunIp;
using support::WriteAll;

// Waits for one byte (or the other end closing).
void AwaitSignal(int fd) {
    char byte;
    while (read(fd, &byte, 1) < 0 && errno == EINTR) {
    }
}

// The device's side: a process in a network namespace of its own. It waits
// until the link end has been moved in, configures it, reports "ok" or
// "failed", and stays until `hold` closes, so the namespace lives that long.
[[noreturn]] void RunDeviceSide(int ready, int moved, int hold) {
    bool isolated = unshare(CLONE_NEWNET) == 0;
    WriteAll(ready, isolated ? "+" : "-");
    AwaitSignal(moved);
    bool configured = isolated && RunIp({"addr", "add", "10.77.0.2/24", "dev", "v1"}) &&
                      RunIp({"link", "set", "v1", "up"});
    WriteAll(ready, configured ? "+" : "-");
    AwaitSignal(hold);
    _exit(0);
}

struct Pipe {
    int read = -1;
    int write = -1;
    bool Open() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0) return false;
        read = ends[0];
        write = ends[1];
        return true;
    }
};

// In the PC's namespace: makes the pair, keeps v0 with 10.77.0.1/24 and hands
// v1 to a device-side process. Returns "" or the reason it failed; `device`
// gets that process, `hold` the pipe end whose closing ends it.
std::string BuildNetwork(pid_t& device, int& hold) {
    const Command setup[] = {
        {"link", "set", "lo", "up"},
        {"link", "add", "v0", "type", "veth", "peer", "name", "v1"},
        {"addr", "add", "10.77.0.1/24", "dev", "v0"},
        {"link", "set", "v0", "up"},
    };
    for (const Command& command : setup)
        if (!RunIp(command)) return "ip " + command[0] + " " + command[1] + " failed";
    Pipe ready, moved, holding;
    if (!ready.Open() || !moved.Open() || !holding.Open()) return "no pipe";
    device = fork();
    if (device < 0) return "cannot fork";
    if (device == 0) {
        close(holding.write);
        RunDeviceSide(ready.write, moved.read, holding.read);
    }
    hold = holding.write;
    char answer = '-';
    bool isolated = read(ready.read, &answer, 1) == 1 && answer == '+';
    bool handedOver = isolated && RunIp({"link", "set", "v1", "netns", std::to_string(device)});
    WriteAll(moved.write, "+");  // the device side goes on in every case
    if (!isolated) return "no namespace for the device";
    if (!handedOver) return "cannot move v1";
    if (read(ready.read, &answer, 1) != 1 || answer != '+') return "cannot configure v1";
    return "";
}

std::string Outcome(const DeviceAddresses& device, const std::string& logFolder) {
    std::vector<std::string> pcAddresses;
    std::string found;
    bool ok = FindPcAddress(device, logFolder, pcAddresses, found);
    return (ok ? "true " : "false ") + found;
}

// In the namespace of its own: builds the network, runs the discovery for
// each case and describes one outcome per line.
std::vector<std::string> DiscoverInOwnNamespace(const std::string& logFolder) {
    pid_t device = -1;
    int hold = -1;
    std::string failure = BuildNetwork(device, hold);
    std::vector<std::string> lines;
    if (!failure.empty()) {
        lines.push_back("SKIP namespace set-up failed: " + failure);
    } else {
        // The device's LAN address; the same with the LAN edits empty, so
        // that the listing of `ip` decides; a device on another network.
        lines.push_back(Outcome({"10.77.0.2", "255.255.255.0", "10.77.0.2"}, logFolder));
        lines.push_back(Outcome({"", "", "10.77.0.2"}, logFolder));
        lines.push_back(Outcome({"10.78.0.2", "255.255.255.0", "10.78.0.2"}, logFolder));
    }
    if (hold >= 0) close(hold);
    if (device > 0) waitpid(device, nullptr, 0);
    return lines;
}

}  // namespace

TEST(LocalAddressNamespace, FindsThePcEndOfAVethPairAndNothingForAnotherNetwork) {
    if (!support::IpProgramPresent()) GTEST_SKIP() << "the ip program is not installed";
    support::TempFolder logFolder;
    std::vector<std::string> outcomes = support::LinesFromOwnNetworkNamespace(
        [&logFolder] { return DiscoverInOwnNamespace(logFolder.Path()); });
    if (!support::SkipReason(outcomes).empty()) GTEST_SKIP() << support::SkipReason(outcomes);
    EXPECT_EQ(outcomes, (std::vector<std::string>{"true 10.77.0.1", "true 10.77.0.1", "false "}));
    EXPECT_TRUE(logFolder.Entries().empty());
}
