#include "pages/wireless/wlan_partition_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDisabledEnabledGuest[] = {{0, "Disabled"}, {1, "Enabled"}, {2, "Guestmode"}, {}};
constexpr VkOptionEntry kDisableEnableGuest[] = {{0, "Disable"}, {1, "Enable"}, {2, "Guestmode"}, {}};

}  // namespace

const VkOptionList OptDot11EthernetToWlanAccess = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptWlanPartitionLinkIntegrate = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11InternalStationConnectionPrimarySSID = MakeMibOptionList(kDisabledEnabledGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID1 = MakeMibOptionList(kDisabledEnabledGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID2 = MakeMibOptionList(kDisabledEnabledGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID3 = MakeMibOptionList(kDisabledEnabledGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID4 = MakeMibOptionList(kDisabledEnabledGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID5 = MakeMibOptionList(kDisableEnableGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID6 = MakeMibOptionList(kDisableEnableGuest);
const VkOptionList OptDot11InternalStationConnectionMultiSSID7 = MakeMibOptionList(kDisableEnableGuest);

#define VAP_PARTITION_OID(column) VAP_MIB_OID(".2.1.3.3.2.3.1.1." column ".1")

constexpr VkSNMPVarEntry VarsWlanPartition[] = {
    {VAP_PARTITION_OID("2"), "dot11EthernetToWlanAccess", integer, readwrite, &OptDot11EthernetToWlanAccess},
    {VAP_PARTITION_OID("4"), "dot11InternalStationConnectionPrimarySSID", integer, readwrite,
     &OptDot11InternalStationConnectionPrimarySSID},
    {VAP_PARTITION_OID("5"), "dot11InternalStationConnectionMultiSSID1", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID1},
    {VAP_PARTITION_OID("6"), "dot11InternalStationConnectionMultiSSID2", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID2},
    {VAP_PARTITION_OID("7"), "dot11InternalStationConnectionMultiSSID3", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID3},
    {VAP_PARTITION_OID("8"), "dot11InternalStationConnectionMultiSSID4", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID4},
    {VAP_PARTITION_OID("9"), "dot11InternalStationConnectionMultiSSID5", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID5},
    {VAP_PARTITION_OID("10"), "dot11InternalStationConnectionMultiSSID6", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID6},
    {VAP_PARTITION_OID("11"), "dot11InternalStationConnectionMultiSSID7", integer, readwrite,
     &OptDot11InternalStationConnectionMultiSSID7},
    {VAP_MIB_OID(".3.2.1.1.3.1"), "dot11LinkIntegrate", integer, readwrite, &OptWlanPartitionLinkIntegrate},
    {},
};

#undef VAP_PARTITION_OID

static_assert(VkTablesComplete(VarsWlanPartition));
