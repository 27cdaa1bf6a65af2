#include "pages/wireless/mac_acl_page_rules.h"

#include <algorithm>

#include "pages/common/file_names.h"
#include "pages/common/same_value.h"

namespace {

constexpr size_t kMacLength = 12;
constexpr char kNoMac[] = "000000000000";
constexpr char kAclSuffix[] = ".acl";

}  // namespace

AclRefusal CheckTypedMac(const std::string& mac) {
    if (mac.size() != kMacLength) return AclRefusal::Length;
    if (mac == kNoMac) return AclRefusal::Zero;
    return AclRefusal::None;
}

AclRefusal CheckAclRoom(size_t listedCount, const std::vector<std::string>& held, const std::string& mac) {
    if (listedCount >= static_cast<size_t>(kMacAclCapacity)) return AclRefusal::Full;
    const bool same = std::any_of(held.begin(), held.end(),
                                  [&](const std::string& entry) { return SameMacAddress(entry, mac); });
    return same ? AclRefusal::Duplicate : AclRefusal::None;
}

bool WarnsZoneDefence(const std::string& accessMode, const std::string& zoneDefence) {
    return accessMode != "Reject" && zoneDefence == "enable";
}

std::string ClientAuthenticationText(const std::string& read) {
    static const std::pair<const char*, const char*> kShown[] = {
        {"opensystem", "OPEN"},  {"sharedkey", "WEP"},     {"wpa-psk", "WPA-PSK"},
        {"wpa-eap", "WPA-EAP"},  {"wpa2-psk", "WPA2-PSK"}, {"wpa2-eap", "WPA2-EAP"},
    };
    for (const auto& [device, shown] : kShown)
        if (read == device) return shown;
    return read;
}

std::string AclDownloadName(const std::string& chosen) {
    return IsAclFileName(chosen) ? chosen : chosen + kAclSuffix;
}

bool IsAclFileName(const std::string& name) { return HasSuffix(name, kAclSuffix); }
