#pragma once
// The PC's IPv4 interfaces, as the local-address discovery needs them: one
// record per address with its netmask and interface flags.

#include <string>
#include <vector>

#include "platform/os/ipv4_interfaces.h"

struct VkNetInterface {
    std::string address;           // interface address, dotted decimal
    std::string broadcastAddress;  // the broadcast address when the interface has one, else empty
    std::string name;              // the interface's name, e.g. "eth0"
    std::string netmask;           // dotted decimal
    bool up = false;
    bool broadcast = false;
    bool loopback = false;
    bool pointToPoint = false;
    bool multicast = false;
};

constexpr int MaxNetInterfaces = 10;

// Clears all ten records, then fills them with the PC's IPv4 addresses in the
// order the system reports them and returns how many it filled. A PC with more
// than ten addresses gets its first ten (not none); 0 when the system cannot
// give the list. Loopback addresses are listed like any other.
int GetNetInterfaces(VkNetInterface (&interfaces)[MaxNetInterfaces]);

// The same from a list the caller supplies in place of the system's.
int GetNetInterfaces(const std::vector<os::Ipv4Interface>& system,
                     VkNetInterface (&interfaces)[MaxNetInterfaces]);
