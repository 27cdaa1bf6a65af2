#pragma once
// The Wireless MAC ACL page's own tables and option lists, plain data
// without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11MacAccessControl;    // 1 "Accept", 2 "Reject", 3 "Disable"
extern const VkOptionList OptDot11ZoneDefenceControl;  // 0 "disable", 1 "enable"

// Kind 1: the access mode.
extern VkOneVariableTable VarsMacAclMode;
// Kind 1: the action objects; the MAC written into them is added to or
// deleted from the list.
extern VkOneVariableTable VarsMacAclAdd;
extern VkOneVariableTable VarsMacAclDelete;
// Kind 1: zone defence, read only by the page.
extern VkOneVariableTable VarsMacAclZoneDefence;

// Kind 3, one index column: the list's fixed rows; a free row holds the MAC
// 000000000000.
namespace MacAclListRow {
enum : int { Index, MacAddress, Count };
}
extern const VkSNMPVarEntry VarsMacAclList[VkTableLength(MacAclListRow::Count)];
