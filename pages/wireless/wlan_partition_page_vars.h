#pragma once
// The WLAN Partition page's own table and option lists, plain data without
// Qt. The band, AP mode, multi-SSID state and apply tables it also uses are
// the shared ones (shell/mib_tables.h).

#include "library/common/option_list.h"
#include "library/snmp/var_entry.h"

extern const VkOptionList OptDot11EthernetToWlanAccess;   // 0 "Disable", 1 "Enable"
extern const VkOptionList OptWlanPartitionLinkIntegrate;  // 0 "Disable", 1 "Enable"
// Internal station connection per SSID: 0, 1, 2 with the device's texts
// ("Disabled", "Enabled", "Guestmode" for the primary SSID and multi-SSIDs 1
// to 4; "Disable", "Enable", "Guestmode" for 5 to 7).
extern const VkOptionList OptDot11InternalStationConnectionPrimarySSID;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID1;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID2;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID3;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID4;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID5;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID6;
extern const VkOptionList OptDot11InternalStationConnectionMultiSSID7;

// Kind 1. The SSID rows run from the primary SSID (PrimarySsid) to
// multi-SSID 7 (PrimarySsid + 7).
namespace WlanPartitionRow {
enum : int {
    EthernetToWlanAccess,
    PrimarySsid,
    MultiSsid1,
    MultiSsid2,
    MultiSsid3,
    MultiSsid4,
    MultiSsid5,
    MultiSsid6,
    MultiSsid7,
    LinkIntegrate,
    Count
};
constexpr int kSsids = 8;
}
extern const VkSNMPVarEntry VarsWlanPartition[VkTableLength(WlanPartitionRow::Count)];
