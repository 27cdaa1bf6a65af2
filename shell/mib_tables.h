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
// that uses the table switches them on.

#include "library/snmp/var_entry.h"

extern const VkSNMPVarEntry VarsLanAddress[];         // kind 1: address, mask, gateway
extern const VkSNMPVarEntry VarsIfIpAddress[];        // kind 1
extern const VkSNMPVarEntry VarsDhcpServerControl[];  // kind 0
extern const VkSNMPVarEntry VarsDhcpStaticTable[];    // kind 3, one index column
extern const VkSNMPVarEntry VarsDot11Band[];          // kind 1
extern const VkSNMPVarEntry VarsDot11Band2[];         // kind 1
extern const VkSNMPVarEntry VarsDot11ApMode[];        // kind 1, OptDot11ApMode
extern const VkSNMPVarEntry VarsDot11ApMode3[];       // kind 1, OptDot11ApMode2
extern const VkSNMPVarEntry VarsWirelessBasic[];      // kind 1, rows not in column order
extern const VkSNMPVarEntry VarsWifiMode24[];         // kind 1
extern const VkSNMPVarEntry VarsWifiMode5[];          // kind 1
extern const VkSNMPVarEntry VarsCountryCode[];        // kind 1
extern const VkSNMPVarEntry VarsWirelessSecurity[];   // kind 1, rows not in column order
extern const VkSNMPVarEntry VarsWirelessWpaPsk[];     // kind 1
extern const VkSNMPVarEntry VarsMssidState[];         // kind 1
// Kind 3 with two index columns: ifIndex (no column of this table) and
// dot11MssidIndex; each page sets the index values. Row 13 is column 14:
// the table has no column 13.
extern const VkSNMPVarEntry VarsMssidTable[];
extern const VkSNMPVarEntry VarsClientRefresh[];         // kind 1
extern const VkSNMPVarEntry VarsClientTable[];           // kind 3, one index column
extern const VkSNMPVarEntry VarsDot11VlanStatus[];       // kind 0
extern const VkSNMPVarEntry VarsManagerIpStatus[];       // kind 0
extern const VkSNMPVarEntry VarsApArrayStatus[];         // kind 0
extern const VkSNMPVarEntry VarsWebRedirectionStatus[];  // kind 0
// Kind 0. Pages bind it to a hidden control and never read or write it; only
// the main window's Save and Activate writes deviceSettingApply.
extern const VkSNMPVarEntry VarsDeviceSettingApply[];
extern const VkSNMPVarEntry VarsTftpServer[];          // kind 0: server address, file name
extern const VkSNMPVarEntry VarsTftpCommand[];         // kind 0
extern const VkSNMPVarEntry VarsTftpUpgradeCommand[];  // kind 0
extern const VkSNMPVarEntry VarsFirmwareVersion[];     // kind 0
