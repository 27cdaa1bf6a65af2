#pragma once
// The Multi-SSID page's own tables and option lists, plain data without Qt.
// The SSID table itself is the shared VarsMssidTable (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptMultiSsidState;           // 0 "Disabled", 1 "Enabled"
extern const VkOptionList OptDot11MssidPriorityState;  // 0 "Disabled", 1 "Enabled"

// Kind 1: the device-wide switches.
namespace MultiSsidStateRow {
enum : int { State, PriorityState, Count };
}
extern const VkSNMPVarEntry VarsMultiSsidState[VkTableLength(MultiSsidStateRow::Count)];

// Kind 3 with two index columns: the RADIUS server of each SSID (server
// number, SSID index).
namespace MultiSsidRadiusRow {
enum : int { RadiusIndex, MssidIndex, Server, Port, Secret, KeyUpdateInterval, Count };
}
extern const VkSNMPVarEntry VarsMultiSsidRadius[VkTableLength(MultiSsidRadiusRow::Count)];
