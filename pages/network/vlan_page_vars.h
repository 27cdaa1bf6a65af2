#pragma once
// The VLAN page's tables and option lists, plain data without Qt. Every
// per-port table covers the same 18 ports in one order (vlan_page_rules.h):
// Mgmt, LAN, Primary, S-1 .. S-7, W-1 .. W-8.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "static", 1 "dynamic".
extern const VkOptionList OptDot11VlanMode;
// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11PvidAutoAssignStatus;
// 0 "nothing", 1 "refresh".
extern const VkOptionList OptDot11PortListRefresh;
// A port's membership in a VLAN: 0 "none", 1 "tag", 2 "untag"; one list per
// membership column.
extern const VkOptionList OptDot11GroupVlanListMgmt;
extern const VkOptionList OptDot11GroupVlanListLan;
extern const VkOptionList OptDot11GroupVlanListPrimary;
extern const VkOptionList OptDot11GroupVlanListMssid1;
extern const VkOptionList OptDot11GroupVlanListMssid2;
extern const VkOptionList OptDot11GroupVlanListMssid3;
extern const VkOptionList OptDot11GroupVlanListMssid4;
extern const VkOptionList OptDot11GroupVlanListMssid5;
extern const VkOptionList OptDot11GroupVlanListMssid6;
extern const VkOptionList OptDot11GroupVlanListMssid7;
extern const VkOptionList OptDot11GroupVlanListWds1;
extern const VkOptionList OptDot11GroupVlanListWds2;
extern const VkOptionList OptDot11GroupVlanListWds3;
extern const VkOptionList OptDot11GroupVlanListWds4;
extern const VkOptionList OptDot11GroupVlanListWds5;
extern const VkOptionList OptDot11GroupVlanListWds6;
extern const VkOptionList OptDot11GroupVlanListWds7;
extern const VkOptionList OptDot11GroupVlanListWds8;
// 0 "nothing", 1 "delete".
extern const VkOptionList OptDot11VlanListSurveydelete;

// Kind 0: the VLAN function's status and its mode (read only).
namespace VlanStatusRow {
enum : int { Status, Mode, Count };
}
extern const VkSNMPVarEntry VarsVlanStatus[VkTableLength(VlanStatusRow::Count)];

// Kind 0: dot11PvidAutoAssignStatus.
extern VkOneVariableTable VarsVlanPvidAutoAssign;

// Kind 1: one PVID per port, rows in port order.
constexpr int kVlanPortCount = 18;
extern const VkSNMPVarEntry VarsVlanPvid[VkTableLength(kVlanPortCount)];

// Kind 0: writing 1 makes the device rebuild its port list.
extern VkOneVariableTable VarsVlanPortListRefresh;

// Kind 3, one index column: per port the VIDs it carries tagged and
// untagged, and its name (read only).
namespace VlanPortListRow {
enum : int { Index, TagVid, UntagVid, PortName, Count };
}
extern const VkSNMPVarEntry VarsVlanPortList[VkTableLength(VlanPortListRow::Count)];

// Kind 3, one index column: the VLAN table's fixed rows (a free row has VID 0
// and an empty name): VID, name, one membership column per port (row
// FirstPort + port) and the row's own delete action.
namespace VlanGroupRow {
enum : int { Index, Vid, Name, FirstPort, Delete = FirstPort + kVlanPortCount, Count };
}
extern const VkSNMPVarEntry VarsVlanGroupList[VkTableLength(VlanGroupRow::Count)];
