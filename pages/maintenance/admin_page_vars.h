#pragma once
// The Administration page's own tables and option lists, plain data without
// Qt: the administrator limit, network access protection, console, system
// name, user, trap, ping control and the administrator address ranges.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptTelnet;             // 0 "Disable", 1 "Enable"
extern const VkOptionList OptSsh;                // 0 "Disable", 1 "Enable"
extern const VkOptionList OptConsoleTimeout;     // 1 "1Min" .. 5 "15Mins", 0 "Never"
extern const VkOptionList OptTrapStatus;         // 0 "Disable", 1 "Enable"
extern const VkOptionList OptPingControlStatus;  // 0 "Enable", 1 "Disable"

// Kind 0: the limit status and the administrator VLAN ID.
namespace AdminLimitRow {
enum : int { Status, VlanTag, Count };
}
extern const VkSNMPVarEntry VarsAdminManagerLimit[VkTableLength(AdminLimitRow::Count)];

extern VkOneVariableTable VarsAdminNetworkAccessProtection;  // kind 1

// Kind 1: the two console switches.
namespace AdminConsoleRow {
enum : int { Telnet, Ssh, Count };
}
extern const VkSNMPVarEntry VarsAdminConsole[VkTableLength(AdminConsoleRow::Count)];

extern VkOneVariableTable VarsAdminConsoleTimeout;  // kind 0

// Kind 0: MIB-II system name and location.
namespace AdminSystemNameRow {
enum : int { Name, Location, Count };
}
extern const VkSNMPVarEntry VarsAdminSystemName[VkTableLength(AdminSystemNameRow::Count)];

// Kind 1: the administrator's login.
namespace AdminUserRow {
enum : int { Name, Password, Count };
}
extern const VkSNMPVarEntry VarsAdminUser[VkTableLength(AdminUserRow::Count)];

// Kind 1: trap status and receiver.
namespace AdminTrapRow {
enum : int { Status, Server, Count };
}
extern const VkSNMPVarEntry VarsAdminTrap[VkTableLength(AdminTrapRow::Count)];

extern VkOneVariableTable VarsAdminPingControl;  // kind 1

// Kind 3, one index column: the administrator address ranges (a free row is
// 0.0.0.0 .. 0.0.0.0). The pool table feeds the hidden list, the list table
// the visible one; both name the same columns.
namespace AdminRangeRow {
enum : int { Index, Start, End, Count };
}
extern const VkSNMPVarEntry VarsAdminManagerPool[VkTableLength(AdminRangeRow::Count)];
extern const VkSNMPVarEntry VarsAdminManagerPoolList[VkTableLength(AdminRangeRow::Count)];

extern VkOneVariableTable VarsAdminManagerDelete;  // kind 0: the index of the range to free
