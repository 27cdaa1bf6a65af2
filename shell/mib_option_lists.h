#pragma once
// The option lists of the MIB definitions: the translation between device
// values and display texts of every enumerated object the module's tables
// hold. Tables point to these objects; nothing changes them after they are
// built.
//
// How they come into being. There is no BuildSharedOptionLists or
// FreeSharedOptionLists routine to call; static initialisation does their work:
// - Each list is a namespace-scope object built by the dynamic initialisation
//   of the file that defines it, so every list exists before main runs, in
//   the order of its file; all are destroyed after main returns (so after the
//   message loop), in the reverse order.
// - The tables that point at them are constant data (see mib_tables.h): the
//   address of a list is a link-time constant, so a table is complete before
//   any initialiser runs, whatever the order of the files.
// - Hence the one rule: no code may read a list from the static initialiser
//   of another file. Reading starts when main has started.
//
// Every list holds integer values (OPT_INT) in the row order of its controls,
// which is not always sorted, and compares texts without regard to case.
// Display texts are kept exactly, blanks included.

#include "library/common/option_list.h"

// The kind every list of the MIB definitions has: integer values, texts
// compared without regard to case.
VkOptionList MakeMibOptionList(const VkOptionEntry* rows);

// The rows of a two-state switch (0 off, 1 on) in the two spellings the
// device's lists use; a page's switch list is made from one of them.
extern const VkOptionEntry kSwitchDisableEnable[3];
extern const VkOptionEntry kSwitchDisabledEnabled[3];

// Lists shared by the main window and several pages.
extern const VkOptionList OptDeviceRestart;
extern const VkOptionList OptDeviceSettingApply;
extern const VkOptionList OptDhcpServerControl;
extern const VkOptionList OptDhcpStaticStatus;
extern const VkOptionList OptDot11APArrayStatus;
extern const VkOptionList OptDot11ApMode2;  // value 2: "WDS with AP"
extern const VkOptionList OptDot11ApMode;   // value 2: "WDS With Ap"
extern const VkOptionList OptDot11Authentication;
extern const VkOptionList OptDot11AutoChannelScan;
extern const VkOptionList OptDot11AutoRekeyControl;
extern const VkOptionList OptDot11AutoRekeyStartWeek;
extern const VkOptionList OptDot11Band;
extern const VkOptionList OptDot11ChannelWidth;
extern const VkOptionList OptDot11CipherType;
extern const VkOptionList OptDot11ClientAuthentication;
extern const VkOptionList OptDot11ClientBand;
extern const VkOptionList OptDot11ClientInformationRefresh;
extern const VkOptionList OptDot11Encryption;
extern const VkOptionList OptDot11KeyIndex;
extern const VkOptionList OptDot11MssIndividualState;
extern const VkOptionList OptDot11MssidAuthentication;
extern const VkOptionList OptDot11MssidAutoRekeyControl;
extern const VkOptionList OptDot11MssidAutoRekeyStartWeek;
extern const VkOptionList OptDot11MssidCipherType;
extern const VkOptionList OptDot11MssidEncryption;
extern const VkOptionList OptDot11MssidKeyType;
extern const VkOptionList OptDot11MssidPriority;
extern const VkOptionList OptDot11MssidState;
extern const VkOptionList OptDot11MssidSuppress;
extern const VkOptionList OptDot11MssidWepKeyIndex;
extern const VkOptionList OptDot11MssidWmm;
extern const VkOptionList OptDot11NetworkAccessProtection;
extern const VkOptionList OptDot11SsidBroadcast;
extern const VkOptionList OptDot11VlanStatus;
extern const VkOptionList OptDot11WebRedirectionStatus;
extern const VkOptionList OptDot11WifiMode24;  // values in the order 6, 3, 2
extern const VkOptionList OptDot11WifiMode5;   // values in the order 9, 7, 8
extern const VkOptionList OptManagerIpAddressStatus;
extern const VkOptionList OptTftpCommand;
extern const VkOptionList OptTftpUpgradeSettingCommand;  // no value 5

// ---------------------------------------------------------------------------
// Lists of one page's tables. Each page declares its lists here and defines
// them in the matching section of mib_option_lists.cpp, so that they are
// built with the shared ones.
// (none yet)
// ---------------------------------------------------------------------------
