#pragma once
// The Firmware & SSL page's own table, plain data without Qt: the device's
// transfer parameters (the same two objects as the shared VarsTftpServer).

#include "library/snmp/var_entry.h"

// Kind 0; rows as TftpServerRow (address, file name).
extern const VkSNMPVarEntry VarsTftpServerFirmware[3];
