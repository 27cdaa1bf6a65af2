#pragma once
// The DHCP Server page's decisions, without controls: the pool shown as a
// start address and a range, the checks of the dynamic pool's and of a static
// entry's Save, and which controls the server switches enable.

#include <functional>
#include <optional>
#include <string>

// Host and domain names: letters, digits, "@", ".", "_" and "-" (an empty
// text passes).
bool IsDhcpNameText(const std::string& text);

// The pool's end address from its start and range (toEnd), or the range from
// the start and the end address (!toEnd). The pool stays inside the /24 of
// its start: only the last octets count. nullopt: the text stays as it is
// (a start without ".", a number that is not one, an octet of 256 or more).
std::optional<std::string> ConvertPoolRange(const std::string& start, const std::string& pool, bool toEnd);

// True when the device's end address can be shown as a range of the start:
// in the same /24 and not below it.
bool PoolShowableAsRange(const std::string& start, const std::string& end);

// A refused Save: the message, the field to correct and whether it is
// emptied. check is the number of the check that failed (0: none).
template <class Field>
struct DhcpRefusal {
    int check = 0;
    std::string message;
    Field field{};
    bool clear = false;
};

enum class PoolField { Start, Range, Mask, Gateway, Wins, Dns, DomainName, Lease };
struct PoolInput {
    std::string start, range, mask, gateway, wins, dns, domainName, lease;
};
// The thirteen checks of the dynamic pool, in order; the first that fails.
DhcpRefusal<PoolField> CheckDynamicPool(const PoolInput& in);

enum class StaticField { HostName, Ip, Mac, Mask, Gateway, Wins, Dns, DomainName };
struct StaticInput {
    std::string hostName, ip, mac, mask, gateway, wins, dns, domainName;
};
// The twelve checks of a static entry, in order; macValid is the device MAC
// check (it shows its own message), asked only when the checks before it pass.
DhcpRefusal<StaticField> CheckStaticEntry(const StaticInput& in,
                                          const std::function<bool(const std::string&)>& macValid);

// What the two server switches enable; nullopt leaves a control as it is.
// fn1 / fn2: position of the server / static switch (-1: none), dnStatus:
// the domain-name status (0 both, 1 dynamic, 2 static, -1 unknown).
struct DhcpEnableState {
    std::optional<bool> poolEdits;       // start, range, mask, gateway, lease
    std::optional<bool> poolWinsDns;
    std::optional<bool> poolDomainName;
    std::optional<bool> staticEdits;     // IP, MAC, mask, gateway, host name, lists
    std::optional<bool> staticWinsDns;
    std::optional<bool> staticDomainName;
};
DhcpEnableState DhcpEnableRules(int fn1, int fn2, bool wirelessClient, int dnStatus);
