#include "library/common/net_interfaces.h"

namespace {

VkNetInterface ToNetInterface(const os::Ipv4Interface& entry) {
    VkNetInterface result;
    result.address = entry.address;
    result.broadcastAddress = entry.broadcastAddress;
    result.name = entry.name;
    result.netmask = entry.netmask;
    result.up = entry.up;
    result.broadcast = entry.broadcast;
    result.loopback = entry.loopback;
    result.pointToPoint = entry.pointToPoint;
    result.multicast = entry.multicast;
    return result;
}

}  // namespace

int GetNetInterfaces(const std::vector<os::Ipv4Interface>& system,
                     VkNetInterface (&interfaces)[MaxNetInterfaces]) {
    for (VkNetInterface& record : interfaces) record = VkNetInterface();
    int count = 0;
    for (const os::Ipv4Interface& entry : system) {
        if (count == MaxNetInterfaces) break;
        interfaces[count++] = ToNetInterface(entry);
    }
    return count;
}

int GetNetInterfaces(VkNetInterface (&interfaces)[MaxNetInterfaces]) {
    std::vector<os::Ipv4Interface> system;
    os::ListIpv4Interfaces(system);  // an empty list when it fails: no records
    return GetNetInterfaces(system, interfaces);
}
