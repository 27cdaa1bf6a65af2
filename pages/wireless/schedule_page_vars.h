#pragma once
// The Schedule page's tables and option lists, plain data without Qt. The AP
// mode is read through the shared VarsWirelessBasic (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11ScheduleStatus;              // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11ScheduleListNodeStatus;      // 0 "disable", 1 "enable"
extern const VkOptionList OptDot11ScheduleListWirelessStatus;  // 0 "off", 1 "on"
extern const VkOptionList OptDot11ScheduleAction;              // 0 "del", 1 "add"
extern const VkOptionList OptDot11ScheduleAllDaySelect;        // 0 "disable", 1 "enable"
extern const VkOptionList OptDot11ScheduleSSIDIndex;           // 0 "Primary SSID", 1..7 "SSID1".."SSID7"

// Kind 3 with no index column: the status is a scalar reached by a walk.
extern VkOneVariableTable VarsScheduleStatus;

// Kind 0: the rule scalars and their action, written in one SET. The rows
// are not in the order of their last arcs.
namespace ScheduleRuleRow {
enum : int { Name, Days, AllDay, StartTime, EndTime, SsidIndex, NodeStatus, Overnight, Action, Count };
}
extern const VkSNMPVarEntry VarsScheduleRule[VkTableLength(ScheduleRuleRow::Count)];

// Kind 3, one index column: the rules as the device lists them.
namespace ScheduleListRow {
enum : int { Index, Name, Days, TimeFrame, WirelessStatus, SsidIndex, Ssid, NodeStatus, Overnight, Count };
}
extern const VkSNMPVarEntry VarsScheduleList[VkTableLength(ScheduleListRow::Count)];

// Kind 1: the node status of list rows 1 to 8 (row k is instance k+1).
constexpr int kScheduleNodeCount = 8;
extern const VkSNMPVarEntry VarsScheduleNodeStatus[VkTableLength(kScheduleNodeCount)];

// Kind 3 with no index column: the names of the primary SSID and SSID 1 to 7.
extern VkOneVariableTable VarsScheduleMssidSsid;
