#pragma once
// The machine's IPv4 addresses as the system reports them (getifaddrs). One
// record per address, so an interface with several addresses appears several
// times; entries of other address families are left out.

#include <string>
#include <vector>

namespace os {

struct Ipv4Interface {
    std::string name;              // interface name (its label for an alias), e.g. "eth0"
    std::string address;           // dotted decimal
    std::string netmask;           // dotted decimal; empty when the system gives none
    std::string broadcastAddress;  // dotted decimal; empty unless the interface broadcasts and has one
    bool up = false;
    bool broadcast = false;
    bool loopback = false;
    bool pointToPoint = false;
    bool multicast = false;
};

// Fills `interfaces` with every IPv4 address in the order the system reports
// them. Returns false (and an empty list) when the system cannot give the list.
bool ListIpv4Interfaces(std::vector<Ipv4Interface>& interfaces);

}  // namespace os
