#include "pages/network/arp_spoofing_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDelAdd[] = {{0, "del"}, {1, "add"}, {}};

}  // namespace

const VkOptionList OptDot11ARPSpoofingPreventionStatus = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11ARPSpoofingPreventionAction = MakeMibOptionList(kDelAdd);

constexpr VkSNMPVarEntry VarsArpSpoofingStatus[] = {
    {VAP_MIB_OID(".3.15.1.1"), "dot11ARPSpoofingPreventionStatus", integer, readwrite,
     &OptDot11ARPSpoofingPreventionStatus},
    {},
};

constexpr VkSNMPVarEntry VarsArpSpoofingEntry[] = {
    {VAP_MIB_OID(".3.15.2.1"), "dot11ARPSpoofingPreventionIpAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".3.15.2.2"), "dot11ARPSpoofingPreventionMacAddress", macaddress, readwrite},
    {VAP_MIB_OID(".3.15.2.3"), "dot11ARPSpoofingPreventionAction", integer, readwrite,
     &OptDot11ARPSpoofingPreventionAction},
    {},
};

constexpr VkSNMPVarEntry VarsArpSpoofingList[] = {
    {VAP_MIB_OID(".3.15.2.4.1.1"), "dot11ARPSpoofingPreventionIndex", integer, notaccess},
    {VAP_MIB_OID(".3.15.2.4.1.2"), "dot11ARPSpoofingPreventionListIpAddress", ipaddress, readwrite},
    {VAP_MIB_OID(".3.15.2.4.1.3"), "dot11ARPSpoofingPreventionListMacAddress", macaddress, readwrite},
    {},
};

static_assert(VkTablesComplete(VarsArpSpoofingStatus, VarsArpSpoofingEntry, VarsArpSpoofingList));
