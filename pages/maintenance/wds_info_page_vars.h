#pragma once
// The WDS Information page's tables and option lists, plain data without Qt:
// the radio's channel and frequency, the refresh command that makes the
// device rebuild its WDS peer table, and that table (two index columns).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "nothing", 1 "get".
extern const VkOptionList OptDot11WdsRefresh;
// 0 "dot11a", 1 "dot11b", 2 "dot11g", 4 "dot11n".
extern const VkOptionList OptDot11WdsBand;
// The peer table's own numbering of the authentication modes (not the
// station table's).
extern const VkOptionList OptDot11WdsAuthentication;

// Kind 1.
namespace WdsChannelRow {
enum : int { Channel, Frequency, Count };
}
extern const VkSNMPVarEntry VarsWdsInfoChannel[VkTableLength(WdsChannelRow::Count)];

extern VkOneVariableTable VarsWdsInfoRefresh;  // kind 1

// Kind 3, two index columns (ifIndex, then the peer's index).
namespace WdsRow {
enum : int { IfIndex, WdsIndex, MacAddress, Band, Authentication, Rssi, SsidIndex, Connected, Status, Psm, Count };
}
extern const VkSNMPVarEntry VarsWdsInfoTable[VkTableLength(WdsRow::Count)];
