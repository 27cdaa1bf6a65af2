#include "library/common/net_interfaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/os/process_runner.h"

namespace {

os::Ipv4Interface SystemEntry(int i) {
    os::Ipv4Interface entry;
    entry.name = "if" + std::to_string(i);
    entry.address = "10.0." + std::to_string(i) + ".1";
    entry.netmask = "255.255.255.0";
    entry.broadcastAddress = "10.0." + std::to_string(i) + ".255";
    entry.up = true;
    entry.broadcast = true;
    return entry;
}

std::string Dotted(unsigned long value) {
    return std::to_string((value >> 24) & 255) + "." + std::to_string((value >> 16) & 255) + "." +
           std::to_string((value >> 8) & 255) + "." + std::to_string(value & 255);
}

std::string NetmaskOfPrefix(int prefix) {
    unsigned long mask = prefix <= 0 ? 0 : (0xFFFFFFFFul << (32 - prefix)) & 0xFFFFFFFFul;
    return Dotted(mask);
}

// "address netmask" for every address in the output of `ip -4 -o addr show`,
// whose lines read "... inet 192.0.2.2/24 brd ..." or, on a point-to-point
// link, "... inet 10.8.0.1 peer 10.8.0.2/32 ...".
std::multiset<std::string> AddressesListedByIp(const std::string& output) {
    std::multiset<std::string> listed;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        while (words >> word && word != "inet") {}
        std::string address, peer;
        if (!(words >> address)) continue;
        if (address.find('/') == std::string::npos && words >> word && word == "peer") {
            words >> peer;
            address += peer.substr(peer.find('/'));
        }
        size_t slash = address.find('/');
        int prefix = slash == std::string::npos ? 32 : std::stoi(address.substr(slash + 1));
        listed.insert(address.substr(0, slash) + " " + NetmaskOfPrefix(prefix));
    }
    return listed;
}

}  // namespace

TEST(NetInterfaces, FillsAtMostTenRecordsInTheSystemsOrderAndClearsTheRest) {
    for (int systemCount : {0, 1, 9, 10, 11, 25}) {
        std::vector<os::Ipv4Interface> system;
        for (int i = 0; i < systemCount; ++i) system.push_back(SystemEntry(i));
        VkNetInterface records[MaxNetInterfaces];
        for (VkNetInterface& record : records) record.address = "stale";

        int count = GetNetInterfaces(system, records);

        EXPECT_EQ(count, std::min(systemCount, MaxNetInterfaces)) << systemCount;
        for (int i = 0; i < MaxNetInterfaces; ++i) {
            bool filled = i < count;
            EXPECT_EQ(records[i].address, filled ? system[i].address : "") << systemCount << " " << i;
            EXPECT_EQ(records[i].name, filled ? system[i].name : "") << systemCount << " " << i;
            EXPECT_EQ(records[i].up, filled) << systemCount << " " << i;
        }
    }
}

TEST(NetInterfaces, CopiesEveryFieldAndEachFlagToItsOwnField) {
    struct Case { bool up, broadcast, loopback, pointToPoint, multicast; };
    const Case cases[] = {
        {true, false, false, false, false}, {false, true, false, false, false},
        {false, false, true, false, false}, {false, false, false, true, false},
        {false, false, false, false, true}, {true, true, false, false, true},
    };
    std::vector<os::Ipv4Interface> system;
    for (const Case& c : cases) {
        os::Ipv4Interface entry;
        entry.name = "eth" + std::to_string(system.size());
        entry.address = "192.0.2." + std::to_string(system.size() + 1);
        entry.netmask = "255.255.255.128";
        entry.broadcastAddress = "192.0.2.127";
        entry.up = c.up;
        entry.broadcast = c.broadcast;
        entry.loopback = c.loopback;
        entry.pointToPoint = c.pointToPoint;
        entry.multicast = c.multicast;
        system.push_back(entry);
    }
    VkNetInterface records[MaxNetInterfaces];
    ASSERT_EQ(GetNetInterfaces(system, records), 6);
    for (size_t i = 0; i < system.size(); ++i) {
        const VkNetInterface& r = records[i];
        EXPECT_EQ(r.name, system[i].name);
        EXPECT_EQ(r.address, system[i].address);
        EXPECT_EQ(r.netmask, "255.255.255.128");
        EXPECT_EQ(r.broadcastAddress, "192.0.2.127");
        EXPECT_EQ(r.up, cases[i].up) << i;
        EXPECT_EQ(r.broadcast, cases[i].broadcast) << i;
        EXPECT_EQ(r.loopback, cases[i].loopback) << i;
        EXPECT_EQ(r.pointToPoint, cases[i].pointToPoint) << i;
        EXPECT_EQ(r.multicast, cases[i].multicast) << i;
    }
}

TEST(NetInterfaces, AgreesWithTheAddressesIpListsOnThisMachine) {
    os::ProcessResult ip = os::RunProcess("ip", {"-4", "-o", "addr", "show"}, 10000);
    if (ip.outcome == os::ProcessResult::Outcome::NotStarted)
        GTEST_SKIP() << "the ip program is not installed";
    ASSERT_EQ(ip.outcome, os::ProcessResult::Outcome::Exited) << ip.errors;
    ASSERT_EQ(ip.exitCode, 0) << ip.errors;
    std::multiset<std::string> listed = AddressesListedByIp(ip.output);

    VkNetInterface records[MaxNetInterfaces];
    int count = GetNetInterfaces(records);

    std::multiset<std::string> got;
    for (int i = 0; i < count; ++i) got.insert(records[i].address + " " + records[i].netmask);
    if (listed.size() <= MaxNetInterfaces) {
        EXPECT_EQ(got, listed);
    } else {
        EXPECT_EQ(count, MaxNetInterfaces);
        EXPECT_TRUE(std::includes(listed.begin(), listed.end(), got.begin(), got.end()));
    }
}
