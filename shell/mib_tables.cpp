#include "shell/mib_tables.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

// The tables are defined constexpr so that the compiler proves them constant
// data: they hold only literals and the addresses of the option lists.
// Object names with blanks are the column captions of list views.

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

constexpr VkSNMPVarEntry VarsLanAddress[] = {
    {VAP_MIB_OID(".2.1.1.1.1.2.1"), "hIPAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.1.1.1.3.1"), "hSubnetMask", ipaddress, readwrite},
    {VAP_MIB_OID(".2.1.1.1.1.4.1"), "hDefaultGateway", ipaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsIfIpAddress[] = {
    {VAP_MIB_OID(".5.1.2.1.1.2.1"), "ifIpAddress", ipaddress, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpServerControl[] = {
    {VAP_MIB_OID(".3.1.1"), "dhcpServerControl", integer, readwrite, &OptDhcpServerControl},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpStaticTable[] = {
    {VAP_MIB_OID(".3.1.3.2.1.1"), "Index", integer, notaccess},
    {VAP_MIB_OID(".3.1.3.2.1.2"), "Status", integer, readwrite, &OptDhcpStaticStatus},
    {VAP_MIB_OID(".3.1.3.2.1.3"), "staticHostName", displaystr, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.4"), "IP Address", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.5"), "MAC Address", macaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.6"), "Static Mask", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.7"), "Static Gateway", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.8"), "Static Dns", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.9"), "Static Wins", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.3.2.1.10"), "Static DomainName", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDot11Band[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.34.1"), "dot11Band", integer, readwrite, &OptDot11Band},
    {},
};

constexpr VkSNMPVarEntry VarsDot11Band2[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.34.1"), "dot11Band", integer, readwrite, &OptDot11Band},
    {},
};

constexpr VkSNMPVarEntry VarsDot11ApMode[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.28.1"), "dot11ApMode", integer, readwrite, &OptDot11ApMode},
    {},
};

constexpr VkSNMPVarEntry VarsDot11ApMode2[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.28.1"), "dot11ApMode", integer, readwrite, &OptDot11ApMode2},
    {},
};

constexpr VkSNMPVarEntry VarsDot11ApMode3[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.28.1"), "dot11ApMode", integer, readwrite, &OptDot11ApMode2},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessBasic[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.1.1"), "dot11Ssid", displaystr, invalid},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.2.1"), "dot11SsidBroadcast", integer, invalid, &OptDot11SsidBroadcast},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.3.1"), "dot11Channel", integer, invalid},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.4.1"), "dot11ABandChannelList", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.24.1"), "dot11AutoChannelScan", integer, invalid, &OptDot11AutoChannelScan},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.28.1"), "dot11ApMode", integer, invalid, &OptDot11ApMode2},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.34.1"), "dot11Band", integer, readwrite, &OptDot11Band},
    {VAP_MIB_OID(".2.1.3.3.1.1.1.29.1"), "dot11ChannelWidth", integer, invalid, &OptDot11ChannelWidth},
    {},
};

constexpr VkSNMPVarEntry VarsWifiMode24[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.16.1"), "dot11WifiMode", integer, readwrite, &OptDot11WifiMode24},
    {},
};

constexpr VkSNMPVarEntry VarsWifiMode5[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.16.1"), "dot11WifiMode", integer, readwrite, &OptDot11WifiMode5},
    {},
};

constexpr VkSNMPVarEntry VarsCountryCode[] = {
    {VAP_MIB_OID(".2.1.3.3.1.1.1.39.1"), "dot11Countrycode", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessSecurity[] = {
    {VAP_MIB_OID(".2.1.3.3.2.1.1.1.1"), "dot11Authentication", integer, readwrite, &OptDot11Authentication},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.3.1"), "dot11KeyIndex", integer, readwrite, &OptDot11KeyIndex},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.2.1"), "dot11Encryption", integer, readwrite, &OptDot11Encryption},
    {},
};

constexpr VkSNMPVarEntry VarsWirelessWpaPsk[] = {
    {VAP_MIB_OID(".2.1.3.3.2.1.1.4.1"), "dot11PassPhrase", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.5.1"), "dot11CipherType", integer, readwrite, &OptDot11CipherType},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.6.1"), "dot11GroupKeyUpdateInterval", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.29.1"), "dot11AutoRekeyControl", integer, readwrite, &OptDot11AutoRekeyControl},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.30.1"), "dot11AutoRekeyStartWeek", integer, readwrite,
     &OptDot11AutoRekeyStartWeek},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.31.1"), "dot11AutoRekeyStartTime", displaystr, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.32.1"), "dot11AutoRekeyTimeInterval", integer, readwrite},
    {VAP_MIB_OID(".2.1.3.3.2.1.1.33.1"), "dot11AutoRekeyPassPhrase", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsMssidState[] = {
    {VAP_MIB_OID(".3.3.1.1.1.1"), "dot11MssidState", integer, readwrite, &OptDot11MssidState},
    {},
};

constexpr VkSNMPVarEntry VarsMssidTable[] = {
    {" ", "ifIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.3.1.1"), "dot11MssidIndex", integer, notaccess},
    {VAP_MIB_OID(".3.3.3.1.2"), "dot11MssIndividualState", integer, readwrite, &OptDot11MssIndividualState},
    {VAP_MIB_OID(".3.3.3.1.3"), "dot11MssidSsid", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.4"), "dot11MssidSuppress", integer, readwrite, &OptDot11MssidSuppress},
    {VAP_MIB_OID(".3.3.3.1.5"), "dot11MssidAuthentication", integer, readwrite, &OptDot11MssidAuthentication},
    {VAP_MIB_OID(".3.3.3.1.6"), "dot11MssidEncryption", integer, readwrite, &OptDot11MssidEncryption},
    {VAP_MIB_OID(".3.3.3.1.7"), "dot11MssidWepKeyIndex", integer, readwrite, &OptDot11MssidWepKeyIndex},
    {VAP_MIB_OID(".3.3.3.1.8"), "dot11MssidWepKey", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.9"), "dot11MssidVlanTagID", integer, readwrite},
    {VAP_MIB_OID(".3.3.3.1.10"), "dot11MssidCipherType", integer, readwrite, &OptDot11MssidCipherType},
    {VAP_MIB_OID(".3.3.3.1.11"), "dot11MssidPassPhrase", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.12"), "dot11MssidKeyType", integer, readwrite, &OptDot11MssidKeyType},
    {VAP_MIB_OID(".3.3.3.1.14"), "dot11MssidWmm", integer, readwrite, &OptDot11MssidWmm},
    {VAP_MIB_OID(".3.3.3.1.15"), "dot11MssidGroupKeyUpdateInterval", integer, readwrite},
    {VAP_MIB_OID(".3.3.3.1.16"), "dot11MssidPriority", integer, readwrite, &OptDot11MssidPriority},
    {VAP_MIB_OID(".3.3.3.1.17"), "dot11MssidAutoRekeyControl", integer, readwrite,
     &OptDot11MssidAutoRekeyControl},
    {VAP_MIB_OID(".3.3.3.1.18"), "dot11MssidAutoRekeyStartWeek", integer, readwrite,
     &OptDot11MssidAutoRekeyStartWeek},
    {VAP_MIB_OID(".3.3.3.1.19"), "dot11MssidAutoRekeyStartTime", displaystr, readwrite},
    {VAP_MIB_OID(".3.3.3.1.20"), "dot11MssidAutoRekeyTimeInterval", integer, readwrite},
    {VAP_MIB_OID(".3.3.3.1.21"), "dot11MssidAutoRekeyPassPhrase", displaystr, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsClientRefresh[] = {
    {VAP_MIB_OID(".2.1.3.3.4.1.1.1.1"), "dot11ClientInformationRefresh", integer, readwrite,
     &OptDot11ClientInformationRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsClientTable[] = {
    {VAP_MIB_OID(".2.1.3.3.4.2.1.1"), "dot11ClinetIndex", integer, notaccess},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.2"), "dot11ClientMacAddress", macaddress, readonly},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.3"), "dot11ClientBand", integer, readonly, &OptDot11ClientBand},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.4"), "dot11ClientAuthentication", integer, readonly,
     &OptDot11ClientAuthentication},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.5"), "dot11ClientRssi", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.6"), "dot11ClientPsm", integer, readonly},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.7"), "dot11SSIDIndex", displaystr, readonly},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.8"), "dot11ClientUptime", timeticks, readonly},
    {VAP_MIB_OID(".2.1.3.3.4.2.1.9"), "dot11ActiveTime", timeticks, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsDot11VlanStatus[] = {
    {VAP_MIB_OID(".3.6.1.1"), "dot11VlanStatus", integer, readwrite, &OptDot11VlanStatus},
    {},
};

constexpr VkSNMPVarEntry VarsManagerIpStatus[] = {
    {VAP_MIB_OID(".4.10.1.1"), "managerIpAddressStatus", integer, readwrite, &OptManagerIpAddressStatus},
    {},
};

constexpr VkSNMPVarEntry VarsApArrayStatus[] = {
    {VAP_MIB_OID(".3.11.1.1.1"), "dot11APArrayStatus", integer, readwrite, &OptDot11APArrayStatus},
    {},
};

constexpr VkSNMPVarEntry VarsWebRedirectionStatus[] = {
    {VAP_MIB_OID(".3.14.1.1"), "dot11WebRedirectionStatus", integer, readwrite, &OptDot11WebRedirectionStatus},
    {},
};

constexpr VkSNMPVarEntry VarsDeviceSettingApply[] = {
    {VAP_MIB_OID(".4.2.3"), "deviceSettingApply", integer, readwrite, &OptDeviceSettingApply},
    {},
};

constexpr VkSNMPVarEntry VarsTftpServer[] = {
    {VAP_MIB_OID(".4.3.2.1"), "tftpServerIPAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".4.3.2.2"), "tftpRemoteFileName", displaystr, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsTftpCommand[] = {
    {VAP_MIB_OID(".4.3.2.4"), "tftpcommand", integer, readwrite, &OptTftpCommand},
    {},
};

constexpr VkSNMPVarEntry VarsTftpUpgradeCommand[] = {
    {VAP_MIB_OID(".4.3.2.5"), "tftpUpgradeSettingCommand", integer, readwrite, &OptTftpUpgradeSettingCommand},
    {},
};

constexpr VkSNMPVarEntry VarsFirmwareVersion[] = {
    {VAP_MIB_OID(".5.1.1"), "deviceInformationFirmwareVersion", displaystr, readonly},
    {},
};

// Every table is as long as its declaration says (mib_tables.h).
static_assert(VkTablesComplete(VarsLanAddress, VarsIfIpAddress, VarsDhcpServerControl, VarsDhcpStaticTable,
                               VarsDot11Band, VarsDot11Band2, VarsDot11ApMode, VarsDot11ApMode2, VarsDot11ApMode3,
                               VarsWirelessBasic, VarsWifiMode24, VarsWifiMode5, VarsCountryCode, VarsWirelessSecurity,
                               VarsWirelessWpaPsk, VarsMssidState, VarsMssidTable, VarsClientRefresh,
                               VarsClientTable, VarsDot11VlanStatus, VarsManagerIpStatus, VarsApArrayStatus,
                               VarsWebRedirectionStatus, VarsDeviceSettingApply, VarsTftpServer, VarsTftpCommand,
                               VarsTftpUpgradeCommand, VarsFirmwareVersion));
