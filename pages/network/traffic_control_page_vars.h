#pragma once
// The Traffic Control page's tables and option lists, plain data without Qt.
// The Multi-SSID switch (VarsMssidState) is a shared table
// (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable": a further SSID's own state.
extern const VkOptionList OptTrafficCtrlMssIndividualState;
// 0 "disable", 1 "downlink", 2 "uplink": the position is the mode.
extern const VkOptionList OptDot11TrafficcontrolInterfaceMode;
// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11dot11QosState;
// 1 "highest", 2 "second", 3 "thrid", 4 "low".
extern const VkOptionList OptDot11QosAdvancedPriority;
// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11TrafficManagerStauts;
// 0 "Deny", 1 "Forward".
extern const VkOptionList OptDot11TrafficManagerUlistClient;
// 0 "delete", 1 "add".
extern const VkOptionList OptDot11RuleAction;

// The seventeen interfaces in the rows of the mode table: Ethernet, the
// primary SSID, Multi-SSID 1 to 7, WDS 1 to 8.
namespace TrafficInterface {
enum : int { Ethernet, PrimarySsid, FirstMultiSsid, FirstWds = FirstMultiSsid + 7, Count = FirstWds + 8 };
}
// Kind 1: one mode per interface (instances 1 to 17).
extern const VkSNMPVarEntry VarsTrafficCtrlInterfaceMode[VkTableLength(TrafficInterface::Count)];

// Kind 0: the downlink and uplink bandwidths (1 to 150, 0 when not set).
namespace TrafficBandwidthRow {
enum : int { Downlink, Uplink, Count };
}
extern const VkSNMPVarEntry VarsTrafficCtrlBandwidth[VkTableLength(TrafficBandwidthRow::Count)];

// Kind 0: advanced QoS on or off.
extern VkOneVariableTable VarsTrafficCtrlQosState;

// Kind 1: the nine traffic classes' priorities and limits, and the ports of
// the first eight (row k is instance k + 1).
constexpr int kTrafficClasses = 9;
constexpr int kPortClasses = 8;
constexpr int kFixedPortClasses = 4;  // classes 1 to 4: the device's own port texts
extern const VkSNMPVarEntry VarsTrafficCtrlPriority[VkTableLength(kTrafficClasses)];
extern const VkSNMPVarEntry VarsTrafficCtrlPriorityLimit[VkTableLength(kTrafficClasses)];
extern const VkSNMPVarEntry VarsTrafficCtrlPriorityPort[VkTableLength(kPortClasses)];

// Kind 0: the traffic manager on or off and what unlisted clients get.
namespace TrafficManagerRow {
enum : int { Status, UnlistedClients, Count };
}
extern const VkSNMPVarEntry VarsTrafficManager[VkTableLength(TrafficManagerRow::Count)];

// Kind 0: the rule scalars and their action (1 adds the rule, 0 deletes the
// rule of that name), written in one SET.
namespace TrafficRuleRow {
enum : int { Name, ClientIp, ClientMac, DownSpeed, UpSpeed, Action, Count };
}
extern const VkSNMPVarEntry VarsTrafficManagerRule[VkTableLength(TrafficRuleRow::Count)];

// Kind 3, one index column: the device's rules, read only; a row without a
// name holds no rule.
namespace TrafficRuleListRow {
enum : int { Index, Name, ClientIp, ClientMac, DownSpeed, UpSpeed, Count };
}
extern const VkSNMPVarEntry VarsTrafficManagerRuleList[VkTableLength(TrafficRuleListRow::Count)];

// Kind 3, one index column (ifIndex, no column of these tables): the state
// of the primary SSID and each further SSID, and the MAC address of each WDS
// peer (all zeros where none is set), one walked row each.
namespace TrafficWalkRow {
enum : int { IfIndex, Value, Count };
}
extern const VkSNMPVarEntry VarsTrafficCtrlMssidState[VkTableLength(TrafficWalkRow::Count)];
extern const VkSNMPVarEntry VarsTrafficCtrlRemoteAp[VkTableLength(TrafficWalkRow::Count)];
