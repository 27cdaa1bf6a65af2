#include "pages/network/vlan_page_rules.h"

#include <algorithm>

namespace vlan {

const char* const kPortLabels[kPortCount] = {"Mgmt", "LAN", "Primary", "S-1", "S-2", "S-3", "S-4", "S-5", "S-6",
                                              "S-7",  "W-1", "W-2",     "W-3", "W-4", "W-5", "W-6", "W-7", "W-8"};

namespace {

constexpr int kFirstSsidPort = 2;
constexpr int kFirstWdsPort = 10;
constexpr char kWirelessClient[] = "Wireless Client";
constexpr char kWds[] = "WDS";
constexpr char kAccessPoint[] = "Access Point";
constexpr int kLimitDisable = 0;
constexpr int kLimitVlanId = 1;
constexpr int kLimitBoth = 3;

// The value of a text of decimal digits (at most nine); -1 for any other text.
long NumberOf(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stol(text);
}

}  // namespace

PortGroup GroupOfPort(int port) {
    if (port < kFirstSsidPort) return PortGroup::Port;
    return port < kFirstWdsPort ? PortGroup::Mssid : PortGroup::Wds;
}

PortRange PortsOf(PortGroup group) {
    switch (group) {
    case PortGroup::Port: return {0, kFirstSsidPort};
    case PortGroup::Mssid: return {kFirstSsidPort, kFirstWdsPort};
    case PortGroup::Wds: return {kFirstWdsPort, kPortCount};
    }
    return {0, 0};
}

VlanEnableState VlanEnableRules(const VlanEnableInput& in) {
    VlanEnableState state;
    if (in.dynamicMode || !in.vlanOn) return state;  // every editing control off
    state.saveAndAutoAssign = true;
    state.pvidEdits = !in.autoAssignOn;
    state.vidEdit = !in.editing;
    state.nameEdit = true;
    state.emptyEdits = !in.editing;
    state.portRadios = true;
    state.mssidUntagNot = true;
    state.wdsRadios = true;
    return state;
}

bool ColumnEnabled(const VlanEnableState& state, PortGroup group, Membership column) {
    switch (group) {
    case PortGroup::Port: return state.portRadios;
    case PortGroup::Mssid: return column == Tag ? state.mssidTag : state.mssidUntagNot;
    case PortGroup::Wds: return state.wdsRadios;
    }
    return false;
}

std::string FirstChangeWarning(const std::string& apMode, bool vlanOn, int limitItem) {
    if (!vlanOn) return "";
    if (apMode == kWirelessClient || apMode == kWds) {
        if (limitItem != kLimitDisable)
            return "If you enable VLAN, AP Mode will be set to 'Access Point' \nand Limit Administrator Status will be "
                   "disable!";
        return "If you enable VLAN, AP Mode will be set to 'Access Point'!";
    }
    if (apMode == kAccessPoint && (limitItem == kLimitVlanId || limitItem == kLimitBoth))
        return "If you enable VLAN, Limit Administrator Status will be disable!";
    return "";
}

long IdValue(const std::string& text) {
    const long value = NumberOf(text);
    return value >= kMinVid && value <= kMaxVid ? value : -1;
}

bool VlanNameIsAscii(const std::string& name) {
    return std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool VlanIdExists(const std::string& vid, const std::vector<std::string>& listed) {
    const long value = NumberOf(vid);
    return std::any_of(listed.begin(), listed.end(), [&](const std::string& other) {
        return value >= 0 ? NumberOf(other) == value : other == vid;
    });
}

VlanRefusal CheckVlanEntry(const VlanEntryInput& in) {
    if (!in.editing && (in.listedVlans >= kMaxVlans || !in.freeRow))
        return {1, "Maximum number of VLAN List is 18!", "Warning", VlanField::None};
    if (IdValue(in.vid) < 0) return {2, "The VID value range is 1~4094.", "Warning", VlanField::Vid};
    if (VlanIdExists(in.vid, in.otherVids))
        return {3, "There is an existent entry with the same VID.\nPlease change the VID.", "Warning",
                VlanField::None};
    if (in.name.empty()) return {4, "The Name field can not be blank.", "Warning", VlanField::Name};
    if (in.name[0] == ' ') return {5, "The first character can't be blank.", "Error", VlanField::Name};
    if (!VlanNameIsAscii(in.name))
        return {6, "There are some invalid characters in the VLAN Name faild.please check it", "Error",
                VlanField::Name};
    return {};
}

const int kPvidCheckOrder[kPortCount] = {0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 6, 7, 8, 9, 14, 15, 16, 17};
const char* const kPvidRangeText = "The PVID value range is 1~4094.";

int FirstBadPvid(const std::vector<std::string>& pvids) {
    for (int port : kPvidCheckOrder)
        if (port >= static_cast<int>(pvids.size()) || IdValue(pvids[port]) < 0) return port;
    return -1;
}

bool IsListedVlan(const std::string& vid, const std::string& name) {
    return !name.empty() && NumberOf(vid) != 0;
}

bool IsFreeVlanRow(const std::string& vid, const std::string& name) {
    return name.empty() && NumberOf(vid) == 0;
}

PortLabels MembershipLabels(const std::vector<std::string>& memberships) {
    PortLabels labels;
    for (int port = 0; port < kPortCount && port < static_cast<int>(memberships.size()); ++port) {
        std::string* text = memberships[port] == "tag" ? &labels.tagged
                            : memberships[port] == "untag" ? &labels.untagged
                                                           : nullptr;
        if (text == nullptr) continue;
        if (!text->empty()) *text += ",";
        *text += kPortLabels[port];
    }
    return labels;
}

}  // namespace vlan
