#include "pages/basic/wireless_page_rules.h"

#include <algorithm>

#include "pages/basic/wireless_page_texts.h"
#include "pages/basic/wireless_page_vars.h"
#include "shell/mib_tables.h"

namespace {

// ---- the authentications --------------------------------------------------------

struct AuthenticationRow {
    WirelessMode mode;
    const char* authentication;
    SecurityView view;
};

using M = WirelessMode;

// Both directions read this one table: the view of a device authentication,
// and the authentication of a Security Mode and WPA Mode.
constexpr AuthenticationRow kAuthentications[] = {
    {M::AccessPoint, "opensystem", {kOpenSystem, kWpaAuto}},
    {M::AccessPoint, "sharedkey", {kSharedKey, kWpaAuto}},
    {M::AccessPoint, "wpa-psk", {kWpaPersonal, kWpaOnly}},
    {M::AccessPoint, "wpa-eap", {kWpaEnterprise, kWpaOnly}},
    {M::AccessPoint, "wpa2-psk", {kWpaPersonal, kWpa2Only}},
    {M::AccessPoint, "wpa2-eap", {kWpaEnterprise, kWpa2Only}},
    {M::AccessPoint, "wpa2-auto-psk", {kWpaPersonal, kWpaAuto}},
    {M::AccessPoint, "wpa2-auto-eap", {kWpaEnterprise, kWpaAuto}},
    {M::AccessPoint, "dot1x(10)", {kDot1x, nullptr}},
    {M::WdsWithAp, "opensystem", {kOpenSystem, kWpaAuto}},
    {M::WdsWithAp, "wpa2-psk", {kWpaPersonal, kWpa2Only}},
    {M::WdsWithAp, "wpa2-auto-psk", {kWpaPersonal, kWpaAuto}},
    {M::Wds, "opensystem", {kOpenSystem, kWpa2Only}},
    {M::Wds, "wpa2-psk", {kWpaPersonal, kWpa2Only}},
    {M::WirelessClient, "opensystem", {kOpenSystem, kWpaAuto}},
    {M::WirelessClient, "wpa-psk", {kWpaPersonal, kWpaOnly}},
    {M::WirelessClient, "wpa2-psk", {kWpaPersonal, kWpa2Only}},
    {M::WirelessClient, "wpa2-auto-psk", {kWpaPersonal, kWpaAuto}},
};

// Only the WPA security modes tell their authentications apart by WPA Mode.
bool WpaModeCounts(const std::string& security) { return security == kWpaPersonal || security == kWpaEnterprise; }

// ---- the write plan ---------------------------------------------------------------

using Rows = std::vector<int>;

Rows Without(Rows rows, const Rows& left) {
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&left](int row) { return std::find(left.begin(), left.end(), row) != left.end(); }),
               rows.end());
    return rows;
}

// The basic settings of the mode; the band only after it was changed, the
// channel only when the user picked one.
Rows BasicRows(const WirelessSaveInput& in) {
    using namespace WirelessBasicRow;
    Rows rows = {Ssid, SsidBroadcast, Channel, ChannelList, AutoChannelScan, ApMode, Band, ChannelWidth};
    if (!in.bandChanged) rows = Without(rows, {Band});
    if (!in.channelPicked) rows = Without(rows, {Channel});
    if (in.mode == M::WirelessClient) return Without(rows, {SsidBroadcast, Channel, ChannelList, AutoChannelScan});
    if (IsWdsMode(in.mode)) return Without(rows, {ChannelList, AutoChannelScan});
    return Without(rows, {ChannelList});
}

// The client's MAC clone: its state, and its source and address while cloning.
void AddMacClone(const WirelessSaveInput& in, const Rows& cloneRows, std::vector<GroupWrite>& plan) {
    plan.push_back({WirelessGroup::MacCloneStatus, {SingleRow::Value}});
    if (in.cloning) plan.push_back({WirelessGroup::MacClone, cloneRows});
}

// Written again after the security settings: the address only when there is one.
void AddMacCloneAgain(const WirelessSaveInput& in, std::vector<GroupWrite>& plan) {
    if (in.mode != M::WirelessClient) return;
    Rows rows = {MacCloneRow::Source};
    if (!in.cloneAddressEmpty) rows.push_back(MacCloneRow::Address);
    AddMacClone(in, rows, plan);
}

Rows WpaPersonalRows(const WirelessSaveInput& in) {
    using namespace WirelessWpaPskRow;
    Rows rows;
    if (in.periodicRekey)
        rows = {CipherType, GroupKeyInterval, RekeyControl, RekeyStartWeek, RekeyStartTime, RekeyInterval};
    else if (in.mode == M::WirelessClient)
        rows = {PassPhrase, CipherType, RekeyControl};  // a client takes the interval from its access point
    else
        rows = {PassPhrase, CipherType, GroupKeyInterval, RekeyControl};
    if (in.passPhraseUnchanged) rows = Without(rows, {PassPhrase});
    return rows;
}

void AddSecurityBlock(const WirelessSaveInput& in, std::vector<GroupWrite>& plan) {
    using namespace WirelessSecurityRow;
    const GroupWrite basic{WirelessGroup::Basic, BasicRows(in)};
    switch (in.security) {
        case SecurityBlock::None:
            plan.push_back(basic);
            break;
        case SecurityBlock::Open:
            plan.push_back(basic);
            plan.push_back({WirelessGroup::Security, {Authentication, Encryption}});
            break;
        case SecurityBlock::Wep:
            // Without a key selected, neither a key nor the basic settings go.
            if (in.wepKey >= 0 && in.wepKey < 4) {
                static const WirelessGroup kKeys[] = {WirelessGroup::WepKey1, WirelessGroup::WepKey2,
                                                      WirelessGroup::WepKey3, WirelessGroup::WepKey4};
                plan.push_back(basic);
                plan.push_back({kKeys[in.wepKey], in.wepKeyUnchanged ? Rows{WepKeyRow::EntryMethod}
                                                                     : Rows{WepKeyRow::EntryMethod, WepKeyRow::Key}});
            }
            AddMacCloneAgain(in, plan);
            plan.push_back({WirelessGroup::Security, {Authentication, KeyIndex, Encryption}});
            break;
        case SecurityBlock::WpaPersonal:
            AddMacCloneAgain(in, plan);
            plan.push_back(basic);
            plan.push_back({WirelessGroup::WpaPsk, WpaPersonalRows(in)});
            plan.push_back({WirelessGroup::Security, {Authentication}});
            break;
        case SecurityBlock::WpaEnterprise:
        case SecurityBlock::Dot1x: {
            using namespace WirelessRadiusRow;
            Rows radius = {NetworkProtection, Server, Port, Secret, KeyUpdateInterval};
            if (in.radiusSecretUnchanged) radius = Without(radius, {Secret});
            const Rows wpa = in.security == SecurityBlock::WpaEnterprise
                                 ? Rows{WirelessWpaPskRow::CipherType, WirelessWpaPskRow::GroupKeyInterval}
                                 : Rows{WirelessWpaPskRow::GroupKeyInterval};
            plan.push_back(basic);
            plan.push_back({WirelessGroup::Radius, radius});
            plan.push_back({WirelessGroup::WpaPsk, wpa});
            plan.push_back({WirelessGroup::Security, {Authentication}});
            break;
        }
    }
}

}  // namespace

WirelessMode WirelessModeOf(const std::string& text) {
    if (text == kAccessPoint) return M::AccessPoint;
    if (text == kWdsWithAp) return M::WdsWithAp;
    if (text == kWds) return M::Wds;
    if (text == kWirelessClient) return M::WirelessClient;
    return M::Unknown;
}

bool IsWdsMode(WirelessMode mode) { return mode == M::WdsWithAp || mode == M::Wds; }
bool IsWdsMode(const std::string& modeText) { return IsWdsMode(WirelessModeOf(modeText)); }

const SecurityView* SecurityViewOf(WirelessMode mode, const std::string& authentication) {
    for (const AuthenticationRow& row : kAuthentications)
        if (row.mode == mode && authentication == row.authentication) return &row.view;
    return nullptr;
}

const char* AuthenticationOf(WirelessMode mode, const std::string& security, const std::string& wpa) {
    for (const AuthenticationRow& row : kAuthentications)
        if (row.mode == mode && security == row.view.security &&
            (!WpaModeCounts(security) || (row.view.wpa != nullptr && wpa == row.view.wpa)))
            return row.authentication;
    return nullptr;
}

const char* FallbackWpaMode(WirelessMode mode, const std::string& authentication, bool multiSsid) {
    switch (mode) {
        case M::AccessPoint:
            // Shared Key without multi-SSID (unshown only with 802.11n only)
            // keeps the WPA Mode it has wherever the list offers Shared Key.
            return authentication == "sharedkey" && !multiSsid ? kWpaAuto : nullptr;
        case M::WdsWithAp:
            return kWpaAuto;
        case M::Wds:
            return kWpa2Only;
        case M::WirelessClient:
            // An enterprise authentication has no WPA Mode that would mean
            // anything in the client's list.
            return authentication == "wpa2-eap" ? nullptr : kWpaAuto;
        case M::Unknown:
            break;
    }
    return nullptr;
}

std::vector<std::string> SecurityModesOf(WirelessMode mode, bool multiSsid, bool only11n) {
    if (mode != M::AccessPoint) return {kOpenSystem, kWpaPersonal};
    if (only11n) return {kOpenSystem, kWpaPersonal, kWpaEnterprise};
    if (multiSsid) return {kOpenSystem, kWpaPersonal, kWpaEnterprise, kDot1x};
    return {kOpenSystem, kSharedKey, kWpaPersonal, kWpaEnterprise, kDot1x};
}

std::vector<std::string> WpaModesOf(WirelessMode mode) {
    if (mode == M::WdsWithAp) return {kWpaAuto, kWpa2Only};
    if (mode == M::Wds) return {kWpa2Only};
    return {kWpaAuto, kWpa2Only, kWpaOnly};
}

SecurityBlock SecurityBlockOf(const std::string& security, bool encryptionOn) {
    if (security == kOpenSystem) return encryptionOn ? SecurityBlock::Wep : SecurityBlock::Open;
    if (security == kSharedKey) return SecurityBlock::Wep;
    if (security == kWpaPersonal) return SecurityBlock::WpaPersonal;
    if (security == kWpaEnterprise) return SecurityBlock::WpaEnterprise;
    if (security == kDot1x) return SecurityBlock::Dot1x;
    return SecurityBlock::None;
}

std::vector<GroupWrite> PlanWirelessWrites(const WirelessSaveInput& in) {
    std::vector<GroupWrite> plan;
    if (in.writeApplication) plan.push_back({WirelessGroup::Application, {SingleRow::Value}});
    // Multi-SSID runs with Access Point and WDS with AP only.
    if (in.mode != M::AccessPoint && in.mode != M::WdsWithAp && in.multiSsidOn)
        plan.push_back({WirelessGroup::MultiSsidState, {SingleRow::Value}});
    if (in.mode == M::WirelessClient) AddMacClone(in, {MacCloneRow::Source, MacCloneRow::Address}, plan);
    AddSecurityBlock(in, plan);
    // The device's partner list is emptied, then the page's addresses go in.
    if (IsWdsMode(in.mode)) {
        plan.push_back({WirelessGroup::RemoteApDeleteAll, {SingleRow::Value}});
        plan.push_back({WirelessGroup::RemoteApList, in.partnerRows});
    }
    // A client runs the mixed wireless mode of its band.
    if (in.mode == M::WirelessClient) plan.push_back({WirelessGroup::WifiMode, {SingleRow::Value}});
    if (in.mode != M::AccessPoint) plan.push_back({WirelessGroup::ApArrayStatus, {SingleRow::Value}});
    return plan;
}
