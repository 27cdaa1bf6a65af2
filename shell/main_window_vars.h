#pragma once
// The main window's own variable tables and option lists: the liveness probe,
// the three device commands and the three LED modes. Built and ordered like
// the shared definitions (mib_tables.h, mib_option_lists.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// Kind 0: sysDescr, the liveness probe.
extern const VkSNMPVarEntry VarsMainSysDescr[VkTableLength(SingleRow::Count)];

// Kind 0, written as one SET in row order.
namespace MainDeviceCommandRow {
enum : int { Apply, Discard, Restart, Count };
}
extern const VkSNMPVarEntry VarsMainDeviceCommands[VkTableLength(MainDeviceCommandRow::Count)];

// Kind 1.
namespace MainLedRow {
enum : int { Wireless24, Wireless5, Lan, Count };
}
extern const VkSNMPVarEntry VarsMainLeds[VkTableLength(MainLedRow::Count)];

extern const VkOptionList OptMainDeviceSettingApply;
extern const VkOptionList OptMainDeviceSettingDiscard;
extern const VkOptionList OptWirelessLed2dot4G;
extern const VkOptionList OptWirelessLed5G;
extern const VkOptionList OptLanLED;
