#include "pages/network/dhcp_page_rules.h"

#include <cctype>
#include <cstdlib>
#include <iterator>

#include "shell/input_validators.h"

namespace {

constexpr long kMinRange = 1;
constexpr long kMaxRange = 254;
constexpr long kOctetLimit = 256;
constexpr long kMinLease = 60;
constexpr long kMaxLease = 31536000;

// The whole text as a decimal integer; nullopt for anything else.
std::optional<long> Integer(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    for (size_t k = i; k < text.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return std::nullopt;
    return std::strtol(text.c_str(), nullptr, 10);
}

std::optional<long> LastOctet(const std::string& address) {
    const size_t dot = address.rfind('.');
    return Integer(dot == std::string::npos ? address : address.substr(dot + 1));
}

std::optional<long> FirstOctet(const std::string& address) { return Integer(address.substr(0, address.find('.'))); }

std::string Prefix24(const std::string& address) {
    const size_t dot = address.rfind('.');
    return dot == std::string::npos ? std::string() : address.substr(0, dot + 1);
}

// The first octet of the host is below the mask's, and the host is one of
// the subnet.
bool HostFitsMask(const std::string& host, const std::string& mask) {
    const auto hostOctet = FirstOctet(host);
    const auto maskOctet = FirstOctet(mask);
    if (!hostOctet || !maskOctet || *hostOctet >= *maskOctet) return false;
    return ::IsValidHostInSubnet(host, mask);
}

bool OptionalHost(const std::string& text) { return text.empty() || ::IsValidHostAddress(text); }

}  // namespace

bool IsDhcpNameText(const std::string& text) {
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '@' && c != '.' && c != '_' && c != '-') return false;
    return true;
}

std::optional<std::string> ConvertPoolRange(const std::string& start, const std::string& pool, bool toEnd) {
    const size_t dot = start.rfind('.');
    if (start.empty() || dot == std::string::npos || dot == 0) return std::nullopt;
    const auto s = LastOctet(start);
    const auto value = toEnd ? Integer(pool) : LastOctet(pool);
    if (!s || !value) return std::nullopt;
    if (toEnd) {
        const long e = *s + *value - 1;
        if (e >= kOctetLimit) return std::nullopt;
        return Prefix24(start) + std::to_string(e);
    }
    if (*value >= kOctetLimit) return std::nullopt;
    return std::to_string(*value - *s + 1);
}

bool PoolShowableAsRange(const std::string& start, const std::string& end) {
    const auto s = LastOctet(start);
    const auto e = LastOctet(end);
    return s && e && Prefix24(start) == Prefix24(end) && *e >= *s;
}

DhcpRefusal<PoolField> CheckDynamicPool(const PoolInput& in) {
    using F = PoolField;
    const char* const badIp = "Please input valid IP address";
    const char* const badLease = "Please input a number between 60 and 31536000.";
    const long range = Integer(in.range).value_or(0);
    const auto lease = Integer(in.lease);
    struct Check {
        bool fails;
        const char* message;
        F field;
        bool clear;
    };
    const Check checks[] = {
        {in.start.empty(), badIp, F::Start, false},
        {!::IsValidLanAddress(in.start), badIp, F::Start, true},
        {in.range.empty(), "Invalid IP range!", F::Range, false},
        {range < kMinRange || range > kMaxRange, "Invalid IP range!.", F::Range, true},
        {LastOctet(in.start).value_or(0) + range > kOctetLimit - 1, "Invaild IP range!", F::Range, true},
        {!::IsValidSubnetMask(in.mask), "Please input valid SubMask.", F::Mask, true},
        {!HostFitsMask(in.start, in.mask), "Please input valid IP Address.", F::Start, true},
        {!OptionalHost(in.gateway), "Please input valid Gateway.", F::Gateway, true},
        {!OptionalHost(in.wins), "Invalid WINS!", F::Wins, true},
        {!OptionalHost(in.dns), "Please input valid DNS!", F::Dns, true},
        {!IsDhcpNameText(in.domainName), "Invaild Domain Name!", F::DomainName, true},
        {in.lease.empty(), badLease, F::Lease, false},
        {!lease || *lease < kMinLease || *lease > kMaxLease, badLease, F::Lease, true},
    };
    // The validators are pure: every check is evaluated, the first that
    // fails is the one reported.
    for (int i = 0; i < static_cast<int>(std::size(checks)); ++i)
        if (checks[i].fails) return {i + 1, checks[i].message, checks[i].field, checks[i].clear};
    return {};
}

DhcpRefusal<StaticField> CheckStaticEntry(const StaticInput& in,
                                          const std::function<bool(const std::string&)>& macValid) {
    using F = StaticField;
    const char* const badName = "Invalid Host Name!";
    const char* const badIp = "Please input valid IP address";
    const char* const badMac = "Please input valid MAC address.";
    if (in.hostName.empty()) return {1, badName, F::HostName, false};
    if (!IsDhcpNameText(in.hostName)) return {2, badName, F::HostName, false};
    if (in.ip.empty()) return {3, badIp, F::Ip, false};
    if (!::IsValidLanAddress(in.ip)) return {4, badIp, F::Ip, true};
    if (in.mac.size() != 12 || in.mac == "000000000000") return {5, badMac, F::Mac, true};
    if (!macValid(in.mac)) return {6, badMac, F::Mac, true};
    if (!::IsValidSubnetMask(in.mask)) return {7, "Please input valid SubMask.", F::Mask, true};
    if (!HostFitsMask(in.ip, in.mask)) return {8, "Please input valid IP Address.", F::Ip, true};
    if (!OptionalHost(in.gateway)) return {9, "Please input valid Gateway.", F::Gateway, true};
    if (!OptionalHost(in.wins)) return {10, "Please input valid Wins.", F::Wins, true};
    if (!OptionalHost(in.dns)) return {11, "Please input valid DNS.", F::Dns, true};
    if (!IsDhcpNameText(in.domainName)) return {12, "Invalid Domain Name!", F::DomainName, false};
    return {};
}

DhcpEnableState DhcpEnableRules(int fn1, int fn2, bool wirelessClient, int dnStatus) {
    DhcpEnableState s;
    auto domainRule = [&] {
        if (dnStatus < 0 || dnStatus > 2) return;
        s.poolDomainName = dnStatus != 2;
        s.staticDomainName = dnStatus != 1;
    };
    if (fn1 == 0) {
        s.poolEdits = s.poolWinsDns = s.poolDomainName = false;
    } else if (fn1 == 1) {
        s.poolEdits = true;
        s.poolWinsDns = !wirelessClient;
        domainRule();
    }
    if (fn2 == 0) {
        s.staticEdits = s.staticWinsDns = s.staticDomainName = false;
    } else if (fn2 == 1) {
        s.staticEdits = true;
        s.staticWinsDns = !wirelessClient;
        domainRule();
    }
    return s;
}
