#pragma once
// The View Log page's own tables and option lists, plain data without Qt:
// where the device sends its log, the send command and the clear command.
// Scalars (kind 0).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "nothing", 1 "get" / 1 "clear".
extern const VkOptionList OptSystemLogGetLog;
extern const VkOptionList OptSystemLogClearLocalLog;

namespace LogTransferRow {
enum : int { ServerAddress, FileName, GetLog, Count };
}
extern const VkSNMPVarEntry VarsViewLogTransfer[VkTableLength(LogTransferRow::Count)];
extern VkOneVariableTable VarsViewLogGet;    // systemLogGetLog
extern VkOneVariableTable VarsViewLogClear;  // systemLogClearLocalLog
