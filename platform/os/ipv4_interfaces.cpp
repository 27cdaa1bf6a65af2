#include "platform/os/ipv4_interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace os {

namespace {

// The dotted form of an IPv4 socket address; empty when there is none.
std::string DottedAddress(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET) return std::string();
    const in_addr& ip = reinterpret_cast<const sockaddr_in*>(address)->sin_addr;
    char text[INET_ADDRSTRLEN] = {};
    if (inet_ntop(AF_INET, &ip, text, sizeof text) == nullptr) return std::string();
    return text;
}

Ipv4Interface ToIpv4Interface(const ifaddrs& entry) {
    // The flags are taken by meaning: the Linux bit values of IFF_LOOPBACK,
    // IFF_POINTOPOINT and IFF_MULTICAST are not those of other systems.
    const unsigned flags = entry.ifa_flags;
    Ipv4Interface result;
    result.name = entry.ifa_name != nullptr ? entry.ifa_name : "";
    result.address = DottedAddress(entry.ifa_addr);
    result.netmask = DottedAddress(entry.ifa_netmask);
    result.up = (flags & IFF_UP) != 0;
    result.broadcast = (flags & IFF_BROADCAST) != 0;
    result.loopback = (flags & IFF_LOOPBACK) != 0;
    result.pointToPoint = (flags & IFF_POINTOPOINT) != 0;
    result.multicast = (flags & IFF_MULTICAST) != 0;
    // ifa_broadaddr shares its field with the peer address, so it is a
    // broadcast address only when the interface broadcasts; an address
    // without a broadcast address configured gets its own address there.
    if (result.broadcast) {
        std::string broadcastAddress = DottedAddress(entry.ifa_broadaddr);
        if (broadcastAddress != result.address) result.broadcastAddress = broadcastAddress;
    }
    return result;
}

}  // namespace

bool ListIpv4Interfaces(std::vector<Ipv4Interface>& interfaces) {
    interfaces.clear();
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return false;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        interfaces.push_back(ToIpv4Interface(*entry));
    }
    freeifaddrs(list);
    return true;
}

}  // namespace os
