#pragma once
// The LAN page's own table and option list, plain data without Qt. The
// address group it also reads and writes (VarsLanAddress) is shared with the
// main window and lives in shell/mib_tables.h.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// How the device obtains its LAN address: 1 "Static IP(Manual)",
// 2 "Dynamic IP(DHCP)".
extern const VkOptionList OptHGetIPFrom;

// Kind 1: hGetIPFrom.
extern VkOneVariableTable VarsLanGetIpFrom;
