#include "pages/network/arp_spoofing_page_rules.h"

#include "pages/common/same_value.h"
#include "shell/input_validators.h"

namespace arp {

namespace {

GatewayRefusal Refusal(int check, const char* message, GatewayField field, bool clear = false) {
    GatewayRefusal refusal;
    refusal.check = check;
    refusal.message = message;
    refusal.field = field;
    refusal.clear = clear;
    return refusal;
}

}  // namespace

GatewayRefusal CheckGatewayFields(const Gateway& typed, const std::function<bool(const std::string&)>& macValid) {
    if (typed.ip.empty()) return Refusal(1, "The IP Address can not be blank!", GatewayField::Ip);
    if (!IsValidHostAddress(typed.ip)) return Refusal(2, "Please input valid IP Address.", GatewayField::Ip, true);
    if (typed.mac.size() != static_cast<size_t>(kMacLength)) {
        GatewayRefusal refusal = Refusal(3, "The length is 12 MAC Address.", GatewayField::Mac, true);
        refusal.caption = "Error";
        return refusal;
    }
    if (!macValid(typed.mac)) {
        GatewayRefusal refusal = Refusal(4, "", GatewayField::Mac);
        refusal.shown = true;
        return refusal;
    }
    return {};
}

GatewayRefusal CheckUniqueGateway(const Gateway& typed, const std::vector<Gateway>& others) {
    for (const Gateway& other : others)
        if (SameAddress(other.ip, typed.ip))
            return Refusal(6, "The IP Address has already been added in the list!", GatewayField::Ip);
    for (const Gateway& other : others)
        if (SameMacAddress(other.mac, typed.mac))
            return Refusal(7, "The MAC Address has already been added in the list!", GatewayField::Mac);
    return {};
}

GatewayRefusal CheckNewGateway(const Gateway& typed, const std::vector<Gateway>& listed) {
    if (listed.size() >= static_cast<size_t>(kMaxGateways))
        return Refusal(5, "The Max number is 8,is full now!", GatewayField::None);
    return CheckUniqueGateway(typed, listed);
}

}  // namespace arp
