#pragma once
// The Device Information page's own tables and option lists, plain data
// without Qt. The page only reads them.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDevInfoAuthentication;  // 1 "opensystem" .. 10 "dot1x"
extern const VkOptionList OptDevInfoEncryption;      // 0 "disabled", 1 "enabled"
extern const VkOptionList OptDevInfoCipherType;      // 1 "auto", 2 "aes", 3 "tkip", 4 "wep"
extern const VkOptionList OptDevInfoMssidKeyType;    // 1 "ASCII", 2 "HEX"
extern const VkOptionList OptDevInfoApArrayMode;     // 1 "Master", 2 "Backup Master", 3 "Slave"

// Kind 1: the interface's addresses in force and its MAC addresses.
namespace DevInfoInterfaceRow {
enum : int { IpAddress, SubnetMask, Gateway, Mac, PrimaryMac, SsidMacStart, SsidMacEnd, Count };
}
extern const VkSNMPVarEntry VarsDevInfoInterface[VkTableLength(DevInfoInterfaceRow::Count)];

// Kind 3, one index column: the radio table, walked.
namespace DevInfoRadioRow {
enum : int { Index, Ssid, Channel, DataRate, Count };
}
extern const VkSNMPVarEntry VarsDevInfoRadioTable[VkTableLength(DevInfoRadioRow::Count)];

// Kind 1: the first radio's security settings.
namespace DevInfoSecurityRow {
enum : int { Authentication, Encryption, CipherType, Count };
}
extern const VkSNMPVarEntry VarsDevInfoSecurity[VkTableLength(DevInfoSecurityRow::Count)];

// Kind 1: the first SSID's key type and key.
namespace DevInfoKeyRow {
enum : int { KeyType, Key, Count };
}
extern const VkSNMPVarEntry VarsDevInfoMssidKey[VkTableLength(DevInfoKeyRow::Count)];

// Kind 0: the AP array's name and role, and the device's location.
namespace DevInfoApArrayRow {
enum : int { Name, Role, Location, Count };
}
extern const VkSNMPVarEntry VarsDevInfoApArray[VkTableLength(DevInfoApArrayRow::Count)];
