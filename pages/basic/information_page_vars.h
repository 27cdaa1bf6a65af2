#pragma once
// The Information page's table, plain data without Qt.

#include "library/snmp/var_entry.h"

// Kind 0, the MIB-II system group: description, object ID and up-time are
// only read; contact, name and location are read and written.
namespace Mib2SystemRow {
enum : int { Description, ObjectId, UpTime, Contact, Name, Location, Count };
}
extern const VkSNMPVarEntry VarsMib2System[VkTableLength(Mib2SystemRow::Count)];
