#pragma once
// The Wireless page's own tables and option lists, plain data without Qt. The
// groups it shares with the main window and other pages (band, mode, radio,
// security, multi-SSID state, feature states) live in shell/mib_tables.h;
// OptDot11NetworkAccessProtection is one of the shared lists
// (shell/mib_option_lists.h).
//
// The lists are namespace-scope objects built before main, like the shared
// ones; the same rule holds: no static initialiser of another file reads
// them. Pages bind rows by their position, so the row order is part of the
// interface; each table is declared with the length its row enum gives.

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"
#include "shell/mib_tables.h"

// WEP keys: how a key is typed, 1 "ASCII", 2 "HEX".
extern const VkOptionList OptDot11KeyEntryMethod;

// RADIUS and accounting.
extern const VkOptionList OptDot11PrimaryAccountingStatus;  // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11RadiusSource;             // 1 "External", 2 "Internal"

// Commands that read back 0 ("nothing") after the device has acted.
extern const VkOptionList OptDot11SiteSurveyRefresh;            // 1 "refresh"
extern const VkOptionList OptDot11WdsSiteSurveyRefresh;         // 1 "refresh"
extern const VkOptionList OptDot11RemoteApMacAddressDeleteAll;  // 1 "deleteall"
extern const VkOptionList OptDot11MacCloneAddressRefresh;       // 1 "refresh"

// MAC clone of the wireless client.
extern const VkOptionList OptDot11MacCloneStatus;  // 0 "Disable", 1 "Enable"
extern const VkOptionList OptDot11MacCloneSource;  // 1 "Auto", 2 "Manual"

// Where the 5 GHz radio is used: 0 "disable", 1 "indoor", 2 "outdoor".
extern const VkOptionList OptDot11Application;

// The multi-SSID rows as the page's combos show them (the shared lists carry
// the device's own texts).
extern const VkOptionList OptWirelessMssIndividualState;   // 0 "Disabled", 1 "Enabled"
extern const VkOptionList OptWirelessMssidSuppress;        // 0 "Disabled", 1 "Enabled"
extern const VkOptionList OptWirelessMssidAuthentication;  // 1 "Open System" .. 10 "802.1X"
extern const VkOptionList OptWirelessMssidEncryption;      // 0 "Disabled", 1 "Enabled"
extern const VkOptionList OptWirelessMssidWepKeyIndex;     // 1 "First" .. 4 "Fourth"
extern const VkOptionList OptWirelessMssidCipherType;      // 1 "Auto", 2 "AES", 3 "TKIP"
extern const VkOptionList OptWirelessMssidKeyType;         // 2 "HEX" first, then 1 "ASCII"

// Tables of one variable have the row SingleRow::Value.

// Status: the channel the radio works on.
extern VkOneVariableTable VarsWirelessDataBaseChannel;  // kind 1

// WEP keys 1 to 4, kind 1 each. Keys 1 and 2 name the entry method
// dot11WepKeyEntryMethod, keys 3 and 4 dot11KeyEntryMethod (the same column).
namespace WepKeyRow {
enum : int { EntryMethod, Key, Count };
}
extern const VkSNMPVarEntry VarsWirelessWepKey1[VkTableLength(WepKeyRow::Count)];
extern const VkSNMPVarEntry VarsWirelessWepKey2[VkTableLength(WepKeyRow::Count)];
extern const VkSNMPVarEntry VarsWirelessWepKey3[VkTableLength(WepKeyRow::Count)];
extern const VkSNMPVarEntry VarsWirelessWepKey4[VkTableLength(WepKeyRow::Count)];

// Kind 1: network access protection, RADIUS servers, accounting, RADIUS
// source and key update interval.
namespace WirelessRadiusRow {
enum : int {
    NetworkProtection,
    Server,
    Port,
    Secret,
    BackupServer,
    BackupPort,
    BackupSecret,
    AccountingStatus,
    AccountingServer,
    AccountingPort,
    AccountingSecret,
    BackupAccountingServer,
    BackupAccountingPort,
    BackupAccountingSecret,
    Source,
    KeyUpdateInterval,
    Count
};
}
extern const VkSNMPVarEntry VarsWirelessRadius[VkTableLength(WirelessRadiusRow::Count)];

// WDS remote access points: the eight fixed rows of the address column as one
// instance each (kind 1, row r is instance r + 1; a free row reads
// 000000000000), the same column as a walked table (kind 3, two index columns:
// ifIndex, no column of this table, and dot11RemoteApMacAddressIndex), and the
// command that clears every row (kind 1).
constexpr int kWdsPartners = 8;
extern const VkSNMPVarEntry VarsWirelessRemoteApList[VkTableLength(kWdsPartners)];
namespace RemoteApRow {
enum : int { IfIndex, Index, Address, Count };
}
extern const VkSNMPVarEntry VarsWirelessRemoteApTable[VkTableLength(RemoteApRow::Count)];
extern VkOneVariableTable VarsWirelessRemoteApDeleteAll;

// Site surveys: the command that starts one (kind 1) and its result (kind 3,
// one index column; the names are the list view's column captions).
extern VkOneVariableTable VarsWirelessSurveyRefresh;
extern VkOneVariableTable VarsWirelessWdsSurveyRefresh;
namespace SurveyRow {
enum : int { Index, Channel, Signal, Bssid, Security, Ssid, Count };
}
extern const VkSNMPVarEntry VarsWirelessSiteSurvey[VkTableLength(SurveyRow::Count)];
extern const VkSNMPVarEntry VarsWirelessWdsSurvey[VkTableLength(SurveyRow::Count)];

// Radio state and the channel lists of the 5 GHz band, kind 1 each.
extern VkOneVariableTable VarsWirelessApModeStatus;
extern VkOneVariableTable VarsWirelessApplication;
extern VkOneVariableTable VarsWirelessIndoorWdsChannels;
extern VkOneVariableTable VarsWirelessIndoorChannels;
extern VkOneVariableTable VarsWirelessOutdoorChannels;

// MAC clone: status (kind 1), source and address (kind 1), the command that
// reads the addresses seen again (kind 1) and those addresses (kind 3, one
// index column; the name is the list view's column caption).
extern VkOneVariableTable VarsWirelessMacCloneStatus;
namespace MacCloneRow {
enum : int { Source, Address, Count };
}
extern const VkSNMPVarEntry VarsWirelessMacClone[VkTableLength(MacCloneRow::Count)];
extern VkOneVariableTable VarsWirelessMacCloneRefresh;
namespace MacCloneListRow {
enum : int { Index, Address, Count };
}
extern const VkSNMPVarEntry VarsWirelessMacCloneList[VkTableLength(MacCloneListRow::Count)];

// Kind 3 with two index columns, ifIndex (no column of this table) and
// dot11MssidIndex: the multi-SSID columns 2 to 12 with the page's lists, in
// the rows of the shared table (MssidRow, shell/mib_tables.h) up to KeyType.
namespace WirelessMssidRow {
constexpr int Count = MssidRow::KeyType + 1;
}
extern const VkSNMPVarEntry VarsWirelessMssidTable[VkTableLength(WirelessMssidRow::Count)];
