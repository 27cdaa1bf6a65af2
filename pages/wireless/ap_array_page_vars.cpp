#include "pages/wireless/ap_array_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kRoles[] = {{1, "Master"}, {2, "Backup Master"}, {3, "Slave"}, {}};
constexpr VkOptionEntry kSwitchLowercase[] = {{0, "disable"}, {1, "enable"}, {}};
constexpr VkOptionEntry kScan[] = {{0, "nothing"}, {1, "refresh"}, {}};

}  // namespace

const VkOptionList OptDot11APArrayModeSelect = MakeMibOptionList(kRoles);
const VkOptionList OptDot11APArrayMeberListRole = MakeMibOptionList(kRoles);
const VkOptionList OptDot11ApArrayScanStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11ApArrayScan = MakeMibOptionList(kScan);

// The switches' lists, one per object.
const VkOptionList OptDot11APArraySyncSSIDStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncSsidHiddenStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncAutoChannelStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncChannelWidthStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncSecurityStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncFixedRateStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncBeaconIntervalStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncDtimStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncTxPowerStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncWMMStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncAckTimeoutStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncShortGIStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncIgmpSnoopStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncConnectionLimitStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncLinkIntegrityStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncMultiSsidStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncMultiSsidHiddenStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncMultiSsidSecurityStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncMultiSsidWMMStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncQOSStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncVlanStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncScheduleStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncTimeStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncLogStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncAdminLimitStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncSystemStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncConsoleProtocolStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncSnmpStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncPingCtlStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncDhcpStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncLoginStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncAclStatus = MakeMibOptionList(kSwitchLowercase);
const VkOptionList OptDot11APArraySyncBandStatus = MakeMibOptionList(kSwitchLowercase);

constexpr VkSNMPVarEntry VarsApArraySettings[] = {
    {VAP_MIB_OID(".3.11.1.1.1"), "dot11APArrayStatus", integer, readwrite, &OptDot11APArrayStatus},
    {VAP_MIB_OID(".3.11.1.1.2"), "dot11APArrayModeSelect", integer, readwrite, &OptDot11APArrayModeSelect},
    {VAP_MIB_OID(".3.11.1.1.3"), "dot11ApArrayName", displaystr, readwrite, nullptr},
    {VAP_MIB_OID(".3.11.1.1.4"), "dot11ApArrayPassword", displaystr, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsApArrayScanStatus[] = {
    {VAP_MIB_OID(".3.11.1.2.1.2.0"), "dot11ApArrayScanStatus", integer, readonly, &OptDot11ApArrayScanStatus},
    {},
};

constexpr VkSNMPVarEntry VarsApArrayScan[] = {
    {VAP_MIB_OID(".3.11.1.2.1.1.0"), "dot11ApArrayScan", integer, readwrite, &OptDot11ApArrayScan},
    {},
};

// The index column has no name; the others carry the walked list's captions.
constexpr VkSNMPVarEntry VarsApArrayScanList[] = {
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.1"), "", integer, notaccess, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.2"), "Array Name", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.3"), "Master IP", ipaddress, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.4"), "MAC", macaddress, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.5"), "Master", integer, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.6"), "Backup Master", integer, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.7"), "Slaver", integer, readonly, nullptr},
    {VAP_MIB_OID(".3.11.1.2.1.3.1.1.8"), "Total", integer, readonly, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsApArrayMembers[] = {
    {VAP_MIB_OID(".3.11.2.1.1.1"), "dot11APArrayMeberListIndex", integer, notaccess, nullptr},
    {VAP_MIB_OID(".3.11.2.1.1.3"), "dot11APArrayMeberListRole", integer, readonly, &OptDot11APArrayMeberListRole},
    {VAP_MIB_OID(".3.11.2.1.1.4"), "dot11APArrayMeberListIP", ipaddress, readonly, nullptr},
    {VAP_MIB_OID(".3.11.2.1.1.5"), "dot11APArrayMeberListMac", macaddress, readonly, nullptr},
    {VAP_MIB_OID(".3.11.2.1.1.6"), "dot11APArrayMeberListLoacation", displaystr, readonly, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsApArraySync[] = {
    {VAP_MIB_OID(".3.11.3.1.1.2.1"), "dot11APArraySyncSSIDStatus", integer, readwrite,
     &OptDot11APArraySyncSSIDStatus},
    {VAP_MIB_OID(".3.11.3.1.1.3.1"), "dot11APArraySyncSsidHiddenStatus", integer, readwrite,
     &OptDot11APArraySyncSsidHiddenStatus},
    {VAP_MIB_OID(".3.11.3.1.1.4.1"), "dot11APArraySyncAutoChannelStatus", integer, readwrite,
     &OptDot11APArraySyncAutoChannelStatus},
    {VAP_MIB_OID(".3.11.3.1.1.5.1"), "dot11APArraySyncChannelWidthStatus", integer, readwrite,
     &OptDot11APArraySyncChannelWidthStatus},
    {VAP_MIB_OID(".3.11.3.1.1.6.1"), "dot11APArraySyncSecurityStatus", integer, readwrite,
     &OptDot11APArraySyncSecurityStatus},
    {VAP_MIB_OID(".3.11.3.1.1.7.1"), "dot11APArraySyncFixedRateStatus", integer, readwrite,
     &OptDot11APArraySyncFixedRateStatus},
    {VAP_MIB_OID(".3.11.3.1.1.8.1"), "dot11APArraySyncBeaconIntervalStatus", integer, readwrite,
     &OptDot11APArraySyncBeaconIntervalStatus},
    {VAP_MIB_OID(".3.11.3.1.1.9.1"), "dot11APArraySyncDtimStatus", integer, readwrite,
     &OptDot11APArraySyncDtimStatus},
    {VAP_MIB_OID(".3.11.3.1.1.10.1"), "dot11APArraySyncTxPowerStatus", integer, readwrite,
     &OptDot11APArraySyncTxPowerStatus},
    {VAP_MIB_OID(".3.11.3.1.1.11.1"), "dot11APArraySyncWMMStatus", integer, readwrite, &OptDot11APArraySyncWMMStatus},
    {VAP_MIB_OID(".3.11.3.1.1.12.1"), "dot11APArraySyncAckTimeoutStatus", integer, readwrite,
     &OptDot11APArraySyncAckTimeoutStatus},
    {VAP_MIB_OID(".3.11.3.1.1.13.1"), "dot11APArraySyncShortGIStatus", integer, readwrite,
     &OptDot11APArraySyncShortGIStatus},
    {VAP_MIB_OID(".3.11.3.1.1.14.1"), "dot11APArraySyncIgmpSnoopStatus", integer, readwrite,
     &OptDot11APArraySyncIgmpSnoopStatus},
    {VAP_MIB_OID(".3.11.3.1.1.15.1"), "dot11APArraySyncConnectionLimitStatus", integer, readwrite,
     &OptDot11APArraySyncConnectionLimitStatus},
    {VAP_MIB_OID(".3.11.3.1.1.16.1"), "dot11APArraySyncLinkIntegrityStatus", integer, readwrite,
     &OptDot11APArraySyncLinkIntegrityStatus},
    {VAP_MIB_OID(".3.11.3.1.1.17.1"), "dot11APArraySyncMultiSsidStatus", integer, readwrite,
     &OptDot11APArraySyncMultiSsidStatus},
    {VAP_MIB_OID(".3.11.3.1.1.18.1"), "dot11APArraySyncMultiSsidHiddenStatus", integer, readwrite,
     &OptDot11APArraySyncMultiSsidHiddenStatus},
    {VAP_MIB_OID(".3.11.3.1.1.19.1"), "dot11APArraySyncMultiSsidSecurityStatus", integer, readwrite,
     &OptDot11APArraySyncMultiSsidSecurityStatus},
    {VAP_MIB_OID(".3.11.3.1.1.20.1"), "dot11APArraySyncMultiSsidWMMStatus", integer, readwrite,
     &OptDot11APArraySyncMultiSsidWMMStatus},
    {VAP_MIB_OID(".3.11.3.1.1.21.1"), "dot11APArraySyncQOSStatus", integer, readwrite, &OptDot11APArraySyncQOSStatus},
    {VAP_MIB_OID(".3.11.3.1.1.22.1"), "dot11APArraySyncVlanStatus", integer, readwrite,
     &OptDot11APArraySyncVlanStatus},
    {VAP_MIB_OID(".3.11.3.1.1.23.1"), "dot11APArraySyncScheduleStatus", integer, readwrite,
     &OptDot11APArraySyncScheduleStatus},
    {VAP_MIB_OID(".3.11.3.1.1.24.1"), "dot11APArraySyncTimeStatus", integer, readwrite,
     &OptDot11APArraySyncTimeStatus},
    {VAP_MIB_OID(".3.11.3.1.1.25.1"), "dot11APArraySyncLogStatus", integer, readwrite, &OptDot11APArraySyncLogStatus},
    {VAP_MIB_OID(".3.11.3.1.1.26.1"), "dot11APArraySyncAdminLimitStatus", integer, readwrite,
     &OptDot11APArraySyncAdminLimitStatus},
    {VAP_MIB_OID(".3.11.3.1.1.27.1"), "dot11APArraySyncSystemStatus", integer, readwrite,
     &OptDot11APArraySyncSystemStatus},
    {VAP_MIB_OID(".3.11.3.1.1.28.1"), "dot11APArraySyncConsoleProtocolStatus", integer, readwrite,
     &OptDot11APArraySyncConsoleProtocolStatus},
    {VAP_MIB_OID(".3.11.3.1.1.29.1"), "dot11APArraySyncSnmpStatus", integer, readwrite,
     &OptDot11APArraySyncSnmpStatus},
    {VAP_MIB_OID(".3.11.3.1.1.30.1"), "dot11APArraySyncPingCtlStatus", integer, readwrite,
     &OptDot11APArraySyncPingCtlStatus},
    {VAP_MIB_OID(".3.11.3.1.1.31.1"), "dot11APArraySyncDhcpStatus", integer, readwrite,
     &OptDot11APArraySyncDhcpStatus},
    {VAP_MIB_OID(".3.11.3.1.1.32.1"), "dot11APArraySyncLoginStatus", integer, readwrite,
     &OptDot11APArraySyncLoginStatus},
    {VAP_MIB_OID(".3.11.3.1.1.33.1"), "dot11APArraySyncAclStatus", integer, readwrite, &OptDot11APArraySyncAclStatus},
    {VAP_MIB_OID(".3.11.3.1.1.34.1"), "dot11APArraySyncBandStatus", integer, readwrite,
     &OptDot11APArraySyncBandStatus},
    {},
};

const VkOptionList* const OptDot11APArraySyncLists[kApArraySyncSwitches] = {
    &OptDot11APArraySyncSSIDStatus,
    &OptDot11APArraySyncSsidHiddenStatus,
    &OptDot11APArraySyncAutoChannelStatus,
    &OptDot11APArraySyncChannelWidthStatus,
    &OptDot11APArraySyncSecurityStatus,
    &OptDot11APArraySyncFixedRateStatus,
    &OptDot11APArraySyncBeaconIntervalStatus,
    &OptDot11APArraySyncDtimStatus,
    &OptDot11APArraySyncTxPowerStatus,
    &OptDot11APArraySyncWMMStatus,
    &OptDot11APArraySyncAckTimeoutStatus,
    &OptDot11APArraySyncShortGIStatus,
    &OptDot11APArraySyncIgmpSnoopStatus,
    &OptDot11APArraySyncConnectionLimitStatus,
    &OptDot11APArraySyncLinkIntegrityStatus,
    &OptDot11APArraySyncMultiSsidStatus,
    &OptDot11APArraySyncMultiSsidHiddenStatus,
    &OptDot11APArraySyncMultiSsidSecurityStatus,
    &OptDot11APArraySyncMultiSsidWMMStatus,
    &OptDot11APArraySyncQOSStatus,
    &OptDot11APArraySyncVlanStatus,
    &OptDot11APArraySyncScheduleStatus,
    &OptDot11APArraySyncTimeStatus,
    &OptDot11APArraySyncLogStatus,
    &OptDot11APArraySyncAdminLimitStatus,
    &OptDot11APArraySyncSystemStatus,
    &OptDot11APArraySyncConsoleProtocolStatus,
    &OptDot11APArraySyncSnmpStatus,
    &OptDot11APArraySyncPingCtlStatus,
    &OptDot11APArraySyncDhcpStatus,
    &OptDot11APArraySyncLoginStatus,
    &OptDot11APArraySyncAclStatus,
    &OptDot11APArraySyncBandStatus,
};

static_assert(VkTablesComplete(VarsApArraySettings, VarsApArrayScanStatus, VarsApArrayScan, VarsApArrayScanList,
                               VarsApArrayMembers, VarsApArraySync));
