#include "pages/network/dhcp_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDomainNameStatus[] = {{0, "both"}, {1, "dynamic"}, {2, "static"}, {}};
constexpr VkOptionEntry kRefresh[] = {{0, "nothing"}, {1, "refresh"}, {}};

}  // namespace

const VkOptionList OptDhcpServerStaticControl = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDhcpServerDomainNameStatus = MakeMibOptionList(kDomainNameStatus);
const VkOptionList OptRefreshCurrentDynamicList = MakeMibOptionList(kRefresh);
const VkOptionList OptRefreshCurrentStaticList = MakeMibOptionList(kRefresh);

constexpr VkSNMPVarEntry VarsDhcpDynamicPool[] = {
    {VAP_MIB_OID(".3.1.2.2.1.3.1"), "dynamicIpPoolStart", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.4.1"), "dynamicIpPoolEnd", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.6.1"), "dynamicMask", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.7.1"), "dynamicGateway", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.8.1"), "dynamicWins", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.9.1"), "dynamicDns", ipaddress, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.10.1"), "dynamicDomainName", displaystr, readwrite},
    {VAP_MIB_OID(".3.1.2.2.1.11.1"), "dynamicLeaseTime", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpStaticControl[] = {
    {VAP_MIB_OID(".3.1.3.1"), "dhcpServerStaticControl", integer, readwrite, &OptDhcpServerStaticControl},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpDomainNameStatus[] = {
    {VAP_MIB_OID(".3.1.2.3"), "dhcpServerDomainNameStatus", integer, readonly, &OptDhcpServerDomainNameStatus},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpStaticDelete[] = {
    {VAP_MIB_OID(".3.1.3.3"), "dhcpServerStaticDelete", integer, readwrite},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpDynamicRefresh[] = {
    {VAP_MIB_OID(".3.1.4.1"), "refreshCurrentDynamicList", integer, readwrite, &OptRefreshCurrentDynamicList},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpStaticRefresh[] = {
    {VAP_MIB_OID(".3.1.4.3"), "refreshCurrentStaticList", integer, readwrite, &OptRefreshCurrentStaticList},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpCurrentDynamic[] = {
    {VAP_MIB_OID(".3.1.4.2.1.1"), "currentDynamicIndex", integer, notaccess},
    {VAP_MIB_OID(".3.1.4.2.1.2"), "currentDynamicHostName", displaystr, readwrite},
    {VAP_MIB_OID(".3.1.4.2.1.3"), "Current Dynamic MAC", macaddress, readonly},
    {VAP_MIB_OID(".3.1.4.2.1.4"), "Current Dynamic Assigned IP", ipaddress, readonly},
    {VAP_MIB_OID(".3.1.4.2.1.5"), "Current Dynamic Lease", timeticks, readonly},
    {},
};

constexpr VkSNMPVarEntry VarsDhcpCurrentStatic[] = {
    {VAP_MIB_OID(".3.1.4.4.1.1"), "currentStaticIndex", integer, notaccess},
    {VAP_MIB_OID(".3.1.4.4.1.2"), "currentStaticHostName", displaystr, readwrite},
    {VAP_MIB_OID(".3.1.4.4.1.3"), "Current Static MAC", macaddress, readonly},
    {VAP_MIB_OID(".3.1.4.4.1.4"), "Current Static Assigned IP", ipaddress, readonly},
    {},
};

static_assert(VkTablesComplete(VarsDhcpDynamicPool, VarsDhcpStaticControl, VarsDhcpDomainNameStatus,
                               VarsDhcpStaticDelete, VarsDhcpDynamicRefresh, VarsDhcpStaticRefresh,
                               VarsDhcpCurrentDynamic, VarsDhcpCurrentStatic));
