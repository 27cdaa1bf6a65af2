#pragma once
// The System Settings page's own table and option lists, plain data without
// Qt: the three one-shot commands, each a scalar written with 1.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "nothing", 1 "reset" / 1 "clear".
extern const VkOptionList OptDeviceFactoryDefault;
extern const VkOptionList OptLanguagePackClear;

// Kind 0.
namespace SystemActionRow {
enum : int { Restart, FactoryDefault, LanguagePackClear, Count };
}
extern const VkSNMPVarEntry VarsSystemActions[VkTableLength(SystemActionRow::Count)];
