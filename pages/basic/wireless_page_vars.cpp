#include "pages/basic/wireless_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

// The tables are constexpr like the shared ones: literals and the addresses
// of option lists only. Object names with blanks are the column captions of
// list views and are kept exactly.

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

// Rows that several lists carry alike.
constexpr VkOptionEntry kNothingRefresh[] = {{0, "nothing"}, {1, "refresh"}, {}};

// Rows of one list each.
constexpr VkOptionEntry kDot11KeyEntryMethod[] = {{1, "ASCII"}, {2, "HEX"}, {}};
constexpr VkOptionEntry kDot11RadiusSource[] = {{1, "External"}, {2, "Internal"}, {}};
constexpr VkOptionEntry kDot11RemoteApMacAddressDeleteAll[] = {{0, "nothing"}, {1, "deleteall"}, {}};
constexpr VkOptionEntry kDot11MacCloneSource[] = {{1, "Auto"}, {2, "Manual"}, {}};
constexpr VkOptionEntry kDot11Application[] = {{0, "disable"}, {1, "indoor"}, {2, "outdoor"}, {}};
constexpr VkOptionEntry kWirelessMssidAuthentication[] = {
    {1, "Open System"}, {2, "Shared Key"},   {3, "Open System / Shared Key"},
    {4, "WPA-PSK"},     {5, "WPA-EAP"},      {6, "WPA2-PSK"},
    {7, "WPA2-EAP"},    {8, "WPA-Auto-PSK"}, {9, "WPA-Auto-EAP"},
    {10, "802.1X"},     {}};
constexpr VkOptionEntry kWirelessMssidWepKeyIndex[] = {
    {1, "First"}, {2, "Second"}, {3, "Third"}, {4, "Fourth"}, {}};
constexpr VkOptionEntry kWirelessMssidCipherType[] = {{1, "Auto"}, {2, "AES"}, {3, "TKIP"}, {}};
// HEX comes first because the page's combo shows it first; 1 still means ASCII.
constexpr VkOptionEntry kWirelessMssidKeyType[] = {{2, "HEX"}, {1, "ASCII"}, {}};

}  // namespace

const VkOptionList OptDot11KeyEntryMethod = MakeMibOptionList(kDot11KeyEntryMethod);
const VkOptionList OptDot11PrimaryAccountingStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11RadiusSource = MakeMibOptionList(kDot11RadiusSource);
const VkOptionList OptDot11SiteSurveyRefresh = MakeMibOptionList(kNothingRefresh);
const VkOptionList OptDot11WdsSiteSurveyRefresh = MakeMibOptionList(kNothingRefresh);
const VkOptionList OptDot11RemoteApMacAddressDeleteAll = MakeMibOptionList(kDot11RemoteApMacAddressDeleteAll);
const VkOptionList OptDot11MacCloneStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11MacCloneSource = MakeMibOptionList(kDot11MacCloneSource);
const VkOptionList OptDot11MacCloneAddressRefresh = MakeMibOptionList(kNothingRefresh);
const VkOptionList OptDot11Application = MakeMibOptionList(kDot11Application);
const VkOptionList OptWirelessMssidSuppress = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptWirelessMssIndividualState = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptWirelessMssidAuthentication = MakeMibOptionList(kWirelessMssidAuthentication);
const VkOptionList OptWirelessMssidEncryption = MakeMibOptionList(kSwitchDisabledEnabled);
const VkOptionList OptWirelessMssidWepKeyIndex = MakeMibOptionList(kWirelessMssidWepKeyIndex);
const VkOptionList OptWirelessMssidCipherType = MakeMibOptionList(kWirelessMssidCipherType);
const VkOptionList OptWirelessMssidKeyType = MakeMibOptionList(kWirelessMssidKeyType);

constexpr VkSNMPVarEntry VarsWirelessDataBaseChannel[] = {
    {VAP_MIB_OID(".5.1.2.1.1.8.1"), "dataBaseChannel", integer, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWepKey1[] = {
    {VAP_MIB_OID(".2.1.3.3.2.2.1.2.1.1"), "dot11WepKeyEntryMethod", integer, readwrite, &OptDot11KeyEntryMethod},
    {VAP_MIB_OID(".2.1.3.3.2.2.1.3.1.1"), "dot11WepKey", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWepKey2[] = {
    {VAP_MIB_OID(".2.1.3.3.2.2.1.2.1.2"), "dot11WepKeyEntryMethod", integer, readwrite, &OptDot11KeyEntryMethod},
    {VAP_MIB_OID(".2.1.3.3.2.2.1.3.1.2"), "dot11WepKey", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWepKey3[] = {
    {VAP_MIB_OID(".2.1.3.3.2.2.1.2.1.3"), "dot11KeyEntryMethod", integer, readwrite, &OptDot11KeyEntryMethod},
    {VAP_MIB_OID(".2.1.3.3.2.2.1.3.1.3"), "dot11WepKey", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWepKey4[] = {
    {VAP_MIB_OID(".2.1.3.3.2.2.1.2.1.4"), "dot11KeyEntryMethod", integer, readwrite, &OptDot11KeyEntryMethod},
    {VAP_MIB_OID(".2.1.3.3.2.2.1.3.1.4"), "dot11WepKey", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessRadius[] = {
    {VAP_MIB_OID(".2.1.3.3.2.1.1.22.1"), "dot11NetworkAccessProtection", integer, readwrite,
     &OptDot11NetworkAccessProtection},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.8.1"), "dot11PrimaryRadiusServer", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.9.1"), "dot11PrimaryRadiusPort", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.10.1"), "dot11PrimaryRadiusSecret", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.11.1"), "dot11SecondaryRadiusServer", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.12.1"), "dot11SecondaryRadiusPort", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.13.1"), "dot11SecondaryRadiusSecret", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.14.1"), "dot11PrimaryAccountingStatus", integer, readwrite,
     &OptDot11PrimaryAccountingStatus},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.15.1"), "dot11PrimaryAccountingServer", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.16.1"), "dot11PrimaryAccountingServerPort", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.17.1"), "dot11PrimaryAccountingPassPhrase", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.19.1"), "dot11SecondaryAccountingServer", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.20.1"), "dot11SecondaryAccountingServerPort", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.21.1"), "dot11SecondaryAccountingPassPhrase", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.23.1"), "dot11RadiusSource", integer, readwrite, &OptDot11RadiusSource},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.24.1"), "dot11RadiusKeyUpdateInterval", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessRemoteApList[] = {
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.1"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.2"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.3"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.4"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.5"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.6"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.7"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2.1.8"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessRemoteApTable[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.1"), "dot11RemoteApMacAddressIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.2.1.1.2"), "dot11RemoteApMacAddressList", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessRemoteApDeleteAll[] = {
    {VAP_MIB_OID(".2.1.3.3.1.2.2.1.3.1"), "dot11RemoteApMacAddressDeleteAll", integer, readwrite,
     &OptDot11RemoteApMacAddressDeleteAll},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessSurveyRefresh[] = {
    {VAP_MIB_OID(".2.1.3.3.1.3.1.1.1.1"), "dot11SiteSurveyRefresh", integer, readwrite,
     &OptDot11SiteSurveyRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessSiteSurvey[] = {
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.1"), "dot11SiteSurveyIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.3"), " CH", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.4"), " Signal", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.5"), " BSSID", macaddress, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.6"), " Security ", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.3.2.1.7"), " SSID", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWdsSurveyRefresh[] = {
    {VAP_MIB_OID(".2.1.3.3.1.4.1.1.1.1"), "dot11WdsSiteSurveyRefresh", integer, readwrite,
     &OptDot11WdsSiteSurveyRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWdsSurvey[] = {
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.1"), "dot11WdsSiteSurveyIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.2"), "CH", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.3"), "Signal", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.4"), "BSSID", macaddress, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.5"), "Security", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.4.2.1.6"), "SSID", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessApModeStatus[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.38.1"), "dot11ApModeStatus", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessApplication[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.40.1"), "dot11Application", integer, readwrite, &OptDot11Application},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessIndoorWdsChannels[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.36.1"), "dot11Band5GHzIndoorWdsChannelList", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessIndoorChannels[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.37.1"), "dot11Band5GHzIndoorChannelList", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessOutdoorChannels[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.41.1"), "dot11Band5GHzOutdoorChannelList", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessMacCloneStatus[] = {
    {VAP_MIB_OID(".2.1.3.3.6.1.1.1.1"), "dot11MacCloneStatus", integer, readwrite, &OptDot11MacCloneStatus},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessMacClone[] = {
    {VAP_MIB_OID(".2.1.3.3.6.1.1.2.1"), "dot11MacCloneSource", integer, readwrite, &OptDot11MacCloneSource},
    {VAP_MIB_OID(".2.1.3.3.6.1.1.3.1"), "dot11MacCloneMacAddress", macaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessMacCloneRefresh[] = {
    {VAP_MIB_OID(".2.1.3.3.6.1.1.4.1"), "dot11MacCloneAddressRefresh", integer, readwrite,
     &OptDot11MacCloneAddressRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessMacCloneList[] = {
    {VAP_MIB_OID(".2.1.3.3.6.2.1.1"), " ", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.6.2.1.2"), "MAC Address", macaddress, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessMssidTable[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.3.1.1"), "dot11MssidIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.3.1.2"), "dot11MssIndividualState", integer, readwrite, &OptWirelessMssIndividualState},
    {VAP_MIB_OID(".3.3.3.1.3"), "dot11MssidSsid", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.4"), "dot11MssidSuppress", integer, readwrite, &OptWirelessMssidSuppress},
    {VAP_MIB_OID(".3.3.3.1.5"), "dot11MssidAuthentication", integer, readwrite, &OptWirelessMssidAuthentication},
    {VAP_MIB_OID(".3.3.3.1.6"), "dot11MssidEncryption", integer, readwrite, &OptWirelessMssidEncryption},
    {VAP_MIB_OID(".3.3.3.1.7"), "dot11MssidWepKeyIndex", integer, readwrite, &OptWirelessMssidWepKeyIndex},
    {VAP_MIB_OID(".3.3.3.1.8"), "dot11MssidWepKey", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.9"), "dot11MssidVlanTagID", integer, readwrite},
    {VAP_MIB_OID(".3.3.3.1.10"), "dot11MssidCipherType", integer, readwrite, &OptWirelessMssidCipherType},
    {VAP_MIB_OID(".3.3.3.1.11"), "dot11MssidPassPhrase", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.12"), "dot11MssidKeyType", integer, readwrite, &OptWirelessMssidKeyType},
    {},
};

// Every table is as long as its declaration says (wireless_page_vars.h).
static_assert(VkTablesComplete(VarsWirelessDataBaseChannel, VarsWirelessWepKey1, VarsWirelessWepKey2,
                               VarsWirelessWepKey3, VarsWirelessWepKey4, VarsWirelessRadius,
                               VarsWirelessRemoteApList, VarsWirelessRemoteApTable, VarsWirelessRemoteApDeleteAll,
                               VarsWirelessSurveyRefresh, VarsWirelessSiteSurvey, VarsWirelessWdsSurveyRefresh,
                               VarsWirelessWdsSurvey, VarsWirelessApModeStatus, VarsWirelessApplication,
                               VarsWirelessIndoorWdsChannels, VarsWirelessIndoorChannels,
                               VarsWirelessOutdoorChannels, VarsWirelessMacCloneStatus, VarsWirelessMacClone,
                               VarsWirelessMacCloneRefresh, VarsWirelessMacCloneList, VarsWirelessMssidTable));
