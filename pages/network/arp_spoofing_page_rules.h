#pragma once
// The ARP Spoofing Prevention page's decisions, without controls: the checks
// of a gateway typed for Add (its fields, the list's limit, no other gateway
// with the same IP or MAC).

#include <functional>
#include <string>
#include <vector>

namespace arp {

constexpr int kMaxGateways = 8;
constexpr int kMacLength = 12;

enum class GatewayField { None, Ip, Mac };

// A refused Add: the message box and the field to correct. check is the
// number of the check that failed (0: none); shown false: the check showed
// its own message, only the focus moves; clear: the field is emptied.
struct GatewayRefusal {
    int check = 0;
    std::string message;
    std::string caption = "Warning";
    GatewayField field = GatewayField::None;
    bool clear = false;
    bool shown = false;
};

struct Gateway {
    std::string ip, mac;
};

// The typed fields, in order: IP present and a host address, MAC of twelve
// characters, then macValid (the device MAC check, which shows its own
// message), asked only when the checks before it pass.
GatewayRefusal CheckGatewayFields(const Gateway& typed, const std::function<bool(const std::string&)>& macValid);

// A new gateway: the list not full, then no listed gateway with the same IP
// (compared by value) before any with the same MAC (either case).
GatewayRefusal CheckNewGateway(const Gateway& typed, const std::vector<Gateway>& listed);
// A rewritten gateway: the same duplicate checks against every other one.
GatewayRefusal CheckUniqueGateway(const Gateway& typed, const std::vector<Gateway>& others);

}  // namespace arp
