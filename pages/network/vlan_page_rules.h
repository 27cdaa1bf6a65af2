#pragma once
// The VLAN page's decisions as plain values: the port model, which controls
// the VLAN mode, status and PVID auto-assignment leave usable, the warning a
// first change shows, the checks of a VLAN entry and of the PVIDs, and how a
// walked VLAN row is listed.

#include <string>
#include <vector>

namespace vlan {

// The 18 ports in the device's order: Mgmt and LAN, the primary SSID and
// S-1 .. S-7, the WDS links W-1 .. W-8.
constexpr int kPortCount = 18;
extern const char* const kPortLabels[kPortCount];

// The three groups of ports the add form and the PVID tab show.
enum class PortGroup { Port, Mssid, Wds };
constexpr int kPortGroupCount = 3;
PortGroup GroupOfPort(int port);
// The ports of a group: the first and one past the last.
struct PortRange {
    int first;
    int end;
};
PortRange PortsOf(PortGroup group);

// A port's membership as the device stores it (the item index of its list).
enum Membership : int { None = 0, Tag = 1, Untag = 2 };
// The add form's three columns in their order (Untag, Tag, Not Member).
constexpr Membership kColumns[] = {Untag, Tag, None};

// ---- which controls are usable ------------------------------------------
struct VlanEnableInput {
    bool dynamicMode = false;  // the device assigns VLANs itself
    bool vlanOn = false;       // the status combo shows "Enable"
    bool autoAssignOn = false; // the PVID auto-assign combo shows "Enable"
    bool editing = false;      // the add form holds a VLAN loaded by Edit
};
struct VlanEnableState {
    bool saveAndAutoAssign = false;  // the add form's Save and the auto-assign combo
    bool pvidEdits = false;
    bool vidEdit = false;
    bool nameEdit = false;
    bool emptyEdits = false;  // the VID and name edits are emptied for a new VLAN
    bool portRadios = false;  // Mgmt and LAN, all three columns
    bool mssidUntagNot = false;
    bool mssidTag = false;  // never: an SSID port cannot be tagged here
    bool wdsRadios = false;
};
VlanEnableState VlanEnableRules(const VlanEnableInput& in);
// Whether the column of a port group can be chosen under that state.
bool ColumnEnabled(const VlanEnableState& state, PortGroup group, Membership column);

// ---- the warning of the first change after opening -----------------------
// apMode: the AP mode's text ("" before it was read); limitItem: the
// management limit's item (0 "disable", 1 "vlanID", 2 "ipaddress", 3 "both",
// -1 unknown). "" when no warning applies.
std::string FirstChangeWarning(const std::string& apMode, bool vlanOn, int limitItem);

// ---- a VLAN entry's checks -------------------------------------------------
constexpr int kMaxVlans = 18;
constexpr long kMinVid = 1;
constexpr long kMaxVid = 4094;

// A VID or PVID text as a number in 1..4094 (digits only, leading zeros
// allowed); -1 otherwise.
long IdValue(const std::string& text);
// No byte of the text is 0x80 or above.
bool VlanNameIsAscii(const std::string& name);
// The VID (by value) is among the listed ones.
bool VlanIdExists(const std::string& vid, const std::vector<std::string>& listed);

enum class VlanField { None, Vid, Name };
struct VlanEntryInput {
    bool editing = false;    // rewriting a VLAN loaded by Edit
    int listedVlans = 0;     // VLANs in the visible list
    bool freeRow = false;    // the table has a free row for a new VLAN
    std::string vid;
    std::string name;
    std::vector<std::string> otherVids;  // the VIDs of every other listed VLAN
};
struct VlanRefusal {
    int check = 0;  // 1..6 in check order; 0: accepted
    std::string message;
    std::string caption;
    VlanField focus = VlanField::None;
};
// The six checks in their order; the first that fails refuses the entry.
VlanRefusal CheckVlanEntry(const VlanEntryInput& in);

// ---- PVIDs -------------------------------------------------------------------
// The ports in the order their PVIDs are checked.
extern const int kPvidCheckOrder[kPortCount];
extern const char* const kPvidRangeText;
// The first port (in check order) whose PVID text is no number in 1..4094;
// -1 when all are.
int FirstBadPvid(const std::vector<std::string>& pvids);

// ---- the VLAN list -----------------------------------------------------------
// A walked row is a VLAN when its VID is not 0 and it has a name; a free row
// has VID 0 and no name (any other row is neither).
bool IsListedVlan(const std::string& vid, const std::string& name);
bool IsFreeVlanRow(const std::string& vid, const std::string& name);
// The labels of the untagged and tagged ports, joined by ","; memberships
// are the option texts in port order ("none", "tag", "untag").
struct PortLabels {
    std::string untagged;
    std::string tagged;
};
PortLabels MembershipLabels(const std::vector<std::string>& memberships);

}  // namespace vlan
