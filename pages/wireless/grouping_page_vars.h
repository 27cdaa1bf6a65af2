#pragma once
// The Grouping page's own table and option list, plain data without Qt.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11UserLimitStatus;  // 0 "Disable", 1 "Enable"

// Kind 1: load balance by user limit and the limit (0 to 64).
namespace GroupUserLimitRow {
enum : int { Status, UserLimit, Count };
}
extern const VkSNMPVarEntry VarsGroupUserLimit[VkTableLength(GroupUserLimitRow::Count)];
