#pragma once
// The shared variable tables: the static rows from which the main window's and
// the pages' requests build their variable lists. Each table ends with a zero
// row. Pages bind rows by their position, so the row order is part of the
// interface and must not change.
//
// The tables are constant data, complete before any code of the program runs;
// the option lists they point to are built before main (mib_option_lists.h).
//
// The comment of each table gives the list kind every user builds it with:
//   kind 0 (SVT_SV)   scalars, read and written with ".0" appended;
//   kind 1 (MVT_SV)   one instance, the OIDs already end in ".1";
//   kind 3 (MVT_UMV)  a walked table, index columns first.
// Rows with access invalid start left out of reads and writes until the page
// that uses the table switches them on. Each table is declared with the
// length its row enum gives (VkTableLength), so a table and its enum cannot
// drift apart.

#include "library/snmp/var_entry.h"

// Tables of one variable have the row SingleRow::Value.

namespace LanAddressRow {
enum : int { Address, Mask, Gateway, Count };
}
extern const VkSNMPVarEntry VarsLanAddress[VkTableLength(LanAddressRow::Count)];  // kind 1

extern VkOneVariableTable VarsIfIpAddress;        // kind 1
extern VkOneVariableTable VarsDhcpServerControl;  // kind 0

namespace DhcpStaticRow {
enum : int { Index, Status, HostName, IpAddress, MacAddress, Mask, Gateway, Dns, Wins, DomainName, Count };
}
// Kind 3, one index column.
extern const VkSNMPVarEntry VarsDhcpStaticTable[VkTableLength(DhcpStaticRow::Count)];

extern VkOneVariableTable VarsDot11Band;     // kind 1
extern VkOneVariableTable VarsDot11Band2;    // kind 1
extern VkOneVariableTable VarsDot11ApMode;   // kind 1, OptDot11ApMode
extern VkOneVariableTable VarsDot11ApMode2;  // kind 1, OptDot11ApMode2
extern VkOneVariableTable VarsDot11ApMode3;  // kind 1, OptDot11ApMode2

// Kind 1; the rows are not in column order.
namespace WirelessBasicRow {
enum : int { Ssid, SsidBroadcast, Channel, ChannelList, AutoChannelScan, ApMode, Band, ChannelWidth, Count };
}
extern const VkSNMPVarEntry VarsWirelessBasic[VkTableLength(WirelessBasicRow::Count)];

extern VkOneVariableTable VarsWifiMode24;   // kind 1
extern VkOneVariableTable VarsWifiMode5;    // kind 1
extern VkOneVariableTable VarsCountryCode;  // kind 1

// Kind 1; the rows are not in column order.
namespace WirelessSecurityRow {
enum : int { Authentication, KeyIndex, Encryption, Count };
}
extern const VkSNMPVarEntry VarsWirelessSecurity[VkTableLength(WirelessSecurityRow::Count)];

// Kind 1.
namespace WirelessWpaPskRow {
enum : int {
    PassPhrase,
    CipherType,
    GroupKeyInterval,
    RekeyControl,
    RekeyStartWeek,
    RekeyStartTime,
    RekeyInterval,
    RekeyPassPhrase,
    Count
};
}
extern const VkSNMPVarEntry VarsWirelessWpaPsk[VkTableLength(WirelessWpaPskRow::Count)];

extern VkOneVariableTable VarsMssidState;  // kind 1

// Kind 3 with two index columns: ifIndex (no column of this table) and
// dot11MssidIndex; each page sets the index values. Row Wmm is column 14:
// the table has no column 13.
namespace MssidRow {
enum : int {
    IfIndex,
    Index,
    IndividualState,
    Ssid,
    Suppress,
    Authentication,
    Encryption,
    WepKeyIndex,
    WepKey,
    VlanTagId,
    CipherType,
    PassPhrase,
    KeyType,
    Wmm,
    GroupKeyInterval,
    Priority,
    RekeyControl,
    RekeyStartWeek,
    RekeyStartTime,
    RekeyInterval,
    RekeyPassPhrase,
    Count
};
}
extern const VkSNMPVarEntry VarsMssidTable[VkTableLength(MssidRow::Count)];

extern VkOneVariableTable VarsClientRefresh;  // kind 1

// Kind 3, one index column.
namespace ClientRow {
enum : int { Index, MacAddress, Band, Authentication, Rssi, Psm, SsidIndex, Uptime, ActiveTime, Count };
}
extern const VkSNMPVarEntry VarsClientTable[VkTableLength(ClientRow::Count)];

extern VkOneVariableTable VarsDot11VlanStatus;       // kind 0
extern VkOneVariableTable VarsManagerIpStatus;       // kind 0
extern VkOneVariableTable VarsApArrayStatus;         // kind 0
extern VkOneVariableTable VarsWebRedirectionStatus;  // kind 0
// Kind 0. Pages bind it to a hidden control and never read or write it; only
// the main window's Save and Activate writes deviceSettingApply.
extern VkOneVariableTable VarsDeviceSettingApply;

// Kind 0.
namespace TftpServerRow {
enum : int { Address, FileName, Count };
}
extern const VkSNMPVarEntry VarsTftpServer[VkTableLength(TftpServerRow::Count)];

extern VkOneVariableTable VarsTftpCommand;         // kind 0
extern VkOneVariableTable VarsTftpUpgradeCommand;  // kind 0
extern VkOneVariableTable VarsFirmwareVersion;     // kind 0
