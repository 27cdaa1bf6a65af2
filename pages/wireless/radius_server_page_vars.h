#pragma once
// The Internal RADIUS Server page's tables and option lists, plain data
// without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11LocalRadiusNodeStatus;      // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11LocalRadiusInfoNodeStatus;  // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11LocalRadiusAction;          // 0 "Delete", 1 "Add"

// Kind 0: the account scalars and their action, written in one SET.
namespace RadiusUserRow {
enum : int { Name, Password, Status, Action, Count };
}
extern const VkSNMPVarEntry VarsRadiusUser[VkTableLength(RadiusUserRow::Count)];

// Kind 3, one index column: the accounts, passwords in clear.
namespace RadiusListRow {
enum : int { Index, Name, Status, Password, Count };
}
extern const VkSNMPVarEntry VarsRadiusUserList[VkTableLength(RadiusListRow::Count)];
