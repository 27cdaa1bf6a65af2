#pragma once
// The ARP Spoofing Prevention page's tables and option lists, plain data
// without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11ARPSpoofingPreventionStatus;
// 0 "del", 1 "add".
extern const VkOptionList OptDot11ARPSpoofingPreventionAction;

// Kind 0: dot11ARPSpoofingPreventionStatus.
extern VkOneVariableTable VarsArpSpoofingStatus;

// Kind 0: the entry scalars and their action, written in one SET.
namespace ArpEntryRow {
enum : int { IpAddress, MacAddress, Action, Count };
}
extern const VkSNMPVarEntry VarsArpSpoofingEntry[VkTableLength(ArpEntryRow::Count)];

// Kind 3, one index column: the trusted gateways.
namespace ArpListRow {
enum : int { Index, IpAddress, MacAddress, Count };
}
extern const VkSNMPVarEntry VarsArpSpoofingList[VkTableLength(ArpListRow::Count)];
