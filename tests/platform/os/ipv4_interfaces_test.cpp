#include "platform/os/ipv4_interfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/network_namespace.h"

namespace {

using Command = std::vector<std::string>;

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

// Builds the interfaces in the namespace and describes one record per line.
std::vector<std::string> ListInOwnNamespace() {
    for (const Command& command : NamespaceSetup()) {
        if (!support::RunIp(command)) {
            std::string line = "ip ";
            for (const std::string& word : command) line += word + " ";
            return {"SKIP namespace set-up failed: " + line};
        }
    }
    // IPv6 addresses must not appear; the kernel may have IPv6 switched off.
    support::RunIp({"-6", "addr", "add", "2001:db8::1/64", "dev", "v0"});
    std::vector<os::Ipv4Interface> list;
    if (!os::ListIpv4Interfaces(list)) return {"FAILED"};
    std::vector<std::string> lines;
    for (const os::Ipv4Interface& entry : list) lines.push_back(Describe(entry));
    return lines;
}

}  // namespace

TEST(Ipv4Interfaces, ListsEveryIpv4AddressWithNetmaskBroadcastAndFlags) {
    if (!support::IpProgramPresent()) GTEST_SKIP() << "the ip program is not installed";
    std::vector<std::string> listed = support::LinesFromOwnNetworkNamespace(ListInOwnNamespace);
    if (!support::SkipReason(listed).empty()) GTEST_SKIP() << support::SkipReason(listed);

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
