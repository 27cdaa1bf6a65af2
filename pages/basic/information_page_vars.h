#pragma once
// The Information page's table, plain data without Qt.

#include "library/snmp/var_entry.h"

// Kind 0, the MIB-II system group: rows 0 to 2 (description, object ID,
// up-time) are only read; rows 3 to 5 (contact, name, location) are read and
// written.
extern const VkSNMPVarEntry VarsMib2System[];
