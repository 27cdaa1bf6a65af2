#pragma once
// The AP Array page's own tables and option lists, plain data without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11APArrayModeSelect;     // 1 "Master", 2 "Backup Master", 3 "Slave"
extern const VkOptionList OptDot11APArrayMeberListRole;  // the same roles
extern const VkOptionList OptDot11ApArrayScanStatus;     // 0 "disable", 1 "enable"
extern const VkOptionList OptDot11ApArrayScan;           // 0 "nothing", 1 "refresh"

// Kind 0: whether the array is on, the device's role, the array's name and
// password.
namespace ApArraySettingsRow {
enum : int { Status, ModeSelect, Name, Password, Count };
}
extern const VkSNMPVarEntry VarsApArraySettings[VkTableLength(ApArraySettingsRow::Count)];

// Kind 1 (the OIDs end in ".0" as written): whether scanning is possible,
// and the scan command.
extern VkOneVariableTable VarsApArrayScanStatus;
extern VkOneVariableTable VarsApArrayScan;

// Kind 3, one index column: the arrays a scan found. The rows carry the
// captions of the walked list's columns.
namespace ApArrayScanListRow {
enum : int { Index, Name, MasterIp, Mac, Masters, BackupMasters, Slaves, Total, Count };
}
extern const VkSNMPVarEntry VarsApArrayScanList[VkTableLength(ApArrayScanListRow::Count)];

// Kind 3, one index column: this array's members; a free row has role 0.
namespace ApArrayMemberRow {
enum : int { Index, Role, Ip, Mac, Location, Count };
}
extern const VkSNMPVarEntry VarsApArrayMembers[VkTableLength(ApArrayMemberRow::Count)];

// Kind 1: the 33 synchronised-parameter switches, rows 0 to 32 for the
// objects E.3.11.3.1.1.2.1 to E.3.11.3.1.1.34.1, each 0 "disable",
// 1 "enable".
constexpr int kApArraySyncSwitches = 33;
extern const VkSNMPVarEntry VarsApArraySync[VkTableLength(kApArraySyncSwitches)];
// One option list per switch, named after its object.
extern const VkOptionList* const OptDot11APArraySyncLists[kApArraySyncSwitches];
