#pragma once
// The Web Redirection page's tables and option lists, plain data without Qt.
// The feature's state (VarsWebRedirectionStatus) is a shared table
// (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDot11WebRedirectionAccountStatus;
extern const VkOptionList OptDot11WebRedirectionListAccountStatus;
// 0 "del", 1 "add".
extern const VkOptionList OptDot11WebRedirectionAccountAction;

// Kind 0: the account scalars and their action, written in one SET.
namespace WebAccountRow {
enum : int { Name, Password, Status, Action, Count };
}
extern const VkSNMPVarEntry VarsWebRedirectionAccount[VkTableLength(WebAccountRow::Count)];

// Kind 3, one index column: the accounts; rows are written in place.
namespace WebListRow {
enum : int { Index, Name, Password, Status, Count };
}
extern const VkSNMPVarEntry VarsWebRedirectionAccountList[VkTableLength(WebListRow::Count)];
