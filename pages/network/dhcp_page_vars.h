#pragma once
// The DHCP Server page's tables and option lists, plain data without Qt.
// The server control and the static pool table are shared (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

// 0 "Disable", 1 "Enable".
extern const VkOptionList OptDhcpServerStaticControl;
// 0 "both", 1 "dynamic", 2 "static": which pool's domain name the device uses.
extern const VkOptionList OptDhcpServerDomainNameStatus;
// 0 "nothing", 1 "refresh".
extern const VkOptionList OptRefreshCurrentDynamicList;
extern const VkOptionList OptRefreshCurrentStaticList;

// Kind 1 (instance .1): the dynamic pool, stored as start and end address.
namespace DhcpPoolRow {
enum : int { Start, End, Mask, Gateway, Wins, Dns, DomainName, LeaseTime, Count };
}
extern const VkSNMPVarEntry VarsDhcpDynamicPool[VkTableLength(DhcpPoolRow::Count)];

// Kind 0 scalars.
extern VkOneVariableTable VarsDhcpStaticControl;
extern VkOneVariableTable VarsDhcpDomainNameStatus;  // read only
extern VkOneVariableTable VarsDhcpStaticDelete;      // the index of the row to empty
extern VkOneVariableTable VarsDhcpDynamicRefresh;
extern VkOneVariableTable VarsDhcpStaticRefresh;

// Kind 2, one index column: the current leases.
namespace DhcpLeaseRow {
enum : int { Index, HostName, Mac, Ip, Lease, Count };
}
extern const VkSNMPVarEntry VarsDhcpCurrentDynamic[VkTableLength(DhcpLeaseRow::Count)];
extern const VkSNMPVarEntry VarsDhcpCurrentStatic[VkTableLength(DhcpLeaseRow::Lease)];
