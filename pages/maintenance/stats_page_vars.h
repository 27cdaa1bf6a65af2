#pragma once
// The tables and option lists of the two statistics pages (WLAN and
// Ethernet), plain data without Qt: each interface's read-only traffic
// counters (instance 1) and the command that zeroes them.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "nothing", 1 "clear".
extern const VkOptionList OptDot11Clear;
extern const VkOptionList OptDot3Clear;

// Kind 1; rows 0-3 are the transmitted counts, 4-10 the received ones.
namespace WlanCounterRow {
enum : int {
    TxPackets,
    TxBytes,
    TxDropped,
    TxRetries,
    RxPackets,
    RxBytes,
    RxDropped,
    RxCrc,
    RxDecryptionErrors,
    RxMicErrors,
    RxPhyErrors,
    Count
};
}
extern const VkSNMPVarEntry VarsWlanStatsCounters[VkTableLength(WlanCounterRow::Count)];
extern VkOneVariableTable VarsWlanStatsClear;  // kind 1

// Kind 1; rows 0-2 are the transmitted counts, 3-5 the received ones.
namespace EthernetCounterRow {
enum : int { TxPackets, TxBytes, TxDropped, RxPackets, RxBytes, RxDropped, Count };
}
extern const VkSNMPVarEntry VarsEthernetStatsCounters[VkTableLength(EthernetCounterRow::Count)];
extern VkOneVariableTable VarsEthernetStatsClear;  // kind 1
